#include "bookmarks/messages.h"

#include <algorithm>

namespace tarvola {

namespace {

constexpr std::size_t kListedSkips = 10;

std::string quoted(const std::string& text) { return "“" + text + "”"; }

std::string tooLargeReport(const std::string& file) { return "书签文件" + quoted(file) + "太大（超过 512 MB），未做任何更改。"; }

constexpr const char* kFolderBusy = "另一个程序（Tarvola 或本程序）正在更改这个数据目录，等了 30 秒仍未结束，";

std::string unreadableReport(const UnreadableFile& unreadable, const std::string& file) {
  switch (unreadable.reason) {
    case UnreadableFile::Reason::unknownCharset:
      return "书签文件" + quoted(file) + "声明的字符集" + quoted(unreadable.charset) + "无法识别，未做任何更改。";
    case UnreadableFile::Reason::tooLarge: return tooLargeReport(file);
    case UnreadableFile::Reason::notBookmarkFile: break;
  }
  return quoted(file) + "不是浏览器的书签文件（HTML），未做任何更改。";
}

std::string skipsOf(const std::vector<SkippedBookmark>& skipped, SkippedBookmark::Reason reason,
                    const std::string& heading) {
  const auto count = static_cast<std::size_t>(
      std::count_if(skipped.begin(), skipped.end(), [reason](const SkippedBookmark& s) { return s.reason == reason; }));
  if (count == 0) return {};
  std::string text = "  " + heading + "：" + std::to_string(count) + " 个\n";
  std::size_t listed = 0;
  for (const SkippedBookmark& skip : skipped) {
    if (skip.reason != reason) continue;
    if (listed++ == kListedSkips) {
      text += "    ……另有 " + std::to_string(count - kListedSkips) + " 个\n";
      break;
    }
    text += "    " + (skip.title.empty() ? std::string("（无标题）") : skip.title) + "  " +
            (skip.address.empty() ? std::string("（无地址）") : skip.address) + "\n";
  }
  return text;
}

std::string doneReport(const ImportOutcome& outcome, const std::string& file) {
  const ImportPlan& plan = outcome.plan;
  std::string text = "已从" + quoted(file) + "导入：新增分类 " + std::to_string(plan.newCategories.size()) +
                     " 个，新增网站 " + std::to_string(plan.addedSites) + " 个。\n";
  if (!plan.skipped.empty()) {
    text += "跳过 " + std::to_string(plan.skipped.size()) + " 个书签：\n";
    text += skipsOf(plan.skipped, SkippedBookmark::Reason::notWebAddress, "地址不是 http、https 或 ftp 网址");
    text += skipsOf(plan.skipped, SkippedBookmark::Reason::addressTooLong, "地址超过 200 字节，放不下");
  }
  for (const auto& [from, to] : outcome.keptOrphans)
    text.append("数据目录里原有不属于任何分类的网站文件 ").append(from).append("，已改名为 ").append(to).append(" 保留。\n");
  return text;
}

}  // namespace

std::string helpText() {
  return "用法：\n"
         "  tarvola-bookmarks [--data-dir 目录] import 书签文件\n"
         "  tarvola-bookmarks [--data-dir 目录] export 书签文件\n"
         "  tarvola-bookmarks 书签文件\n"
         "\n"
         "  import  把浏览器导出的书签文件（HTML）加入收藏：每个文件夹成为一个分类，\n"
         "          每个书签成为一个网站；不在文件夹里的书签放进分类“未分类”。\n"
         "  export  把全部收藏写成浏览器可以导入的书签文件（HTML，UTF-8）。\n"
         "  只给出一个文件时就是导入：在 Windows 资源管理器里把书签文件拖到本程序上即可。\n"
         "\n"
         "选项：\n"
         "  -d, --data-dir 目录  使用这个数据目录（默认是本程序所在的目录）\n"
         "  -h, --help           显示本说明\n";
}

std::string importReport(const ImportOutcome& outcome, const std::string& file) {
  using Status = ImportOutcome::Status;
  switch (outcome.status) {
    case Status::done: return doneReport(outcome, file);
    case Status::unreadable: return unreadableReport(outcome.unreadable, file) + "\n";
    case Status::busy: return std::string(kFolderBusy) + "未做任何更改。\n";
    case Status::pendingChange: return "数据目录里有一次没有完成的更改，现在也无法完成它，未做任何更改。\n";
    case Status::readFailed: return "无法读取或更改数据文件 " + outcome.file + "，未做任何更改。\n";
    case Status::tooMany:
      return "导入后 " + outcome.file + " 将超过 32767 条记录，程序无法全部显示，未做任何更改。\n";
    case Status::writeFailed: return "无法在数据目录里写入 " + outcome.file + " 的新内容，未做任何更改。\n";
    case Status::unfinished: return "导入没能全部写完。下次启动 Tarvola 或本程序时会自动把它完成。\n";
  }
  return {};
}

std::string exportReport(const ExportOutcome& outcome, const std::string& file) {
  using Status = ExportOutcome::Status;
  switch (outcome.status) {
    case Status::done:
      return "已把 " + std::to_string(outcome.categories) + " 个分类、" + std::to_string(outcome.sites) +
             " 个网站导出到" + quoted(file) + "。\n";
    case Status::busy: return std::string(kFolderBusy) + "没有导出。\n";
    case Status::pendingChange: return "数据目录里有一次没有完成的更改，现在也无法完成它，没有导出。\n";
    case Status::readFailed: return "无法读取数据文件 " + outcome.file + "，没有导出。\n";
    case Status::writeFailed: return "无法写入" + quoted(file) + "，原有的文件没有改变。\n";
  }
  return {};
}

std::string unreadableFileReport(const std::string& file, bool tooLarge) {
  return (tooLarge ? tooLargeReport(file) : "无法读取文件" + quoted(file) + "，未做任何更改。") + "\n";
}

std::string outOfMemoryReport(bool unfinished) {
  return unfinished ? "内存不足，没能全部写完。下次启动 Tarvola 或本程序时会自动把它完成。\n"
                    : "内存不足，无法完成，未做任何更改。\n";
}

std::string progressLine(std::size_t done, std::size_t all) {
  return "正在导入：" + std::to_string(done) + " / " + std::to_string(all) + " 个书签\n";
}

}  // namespace tarvola
