#include "ops/sites/website_dialogs.h"

namespace tarvola {

namespace {

const std::string kTitle = "输入";

}  // namespace

std::optional<SiteRecord> askForWebsite(Host& host, const std::string& namePrompt, const std::string& defaultName,
                                        const std::string& defaultUrl) {
  const std::string name = host.inputBox(namePrompt, kTitle, defaultName);
  if (name.empty()) return std::nullopt;
  // The prompt names the website as typed, before any cut to the field's width.
  const std::string url = host.inputBox("请输入" + name + "的网址", kTitle, defaultUrl);
  if (url.empty()) return std::nullopt;
  return SiteRecord::with(name, url);
}

}  // namespace tarvola
