#include "bookmarks/messages.h"

#include <algorithm>
#include <ctime>
#include <span>

#include "store/records.h"

namespace tarvola {

namespace {

constexpr std::size_t kListedSkips = 10;

// A name as it may be shown: a record can hold NUL bytes, which would cut the text short.
std::string shown(std::string text) {
  std::erase(text, '\0');
  return text;
}

// A field as one column of a line: a tab or line break in it would end the column.
std::string onOneLine(std::string text) {
  std::replace_if(text.begin(), text.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
  return shown(std::move(text));
}

std::string quoted(const std::string& text) { return "“" + shown(text) + "”"; }

// A file of the data folder by its name; the folder itself where no one file is to blame.
std::string dataFile(const std::string& file) { return file.empty() ? "数据目录里的文件" : "数据文件" + quoted(file); }

std::string readFailedReport(const std::string& file) {
  return "无法读取或更改" + dataFile(file) + "，未做任何更改。\n";
}

std::string writeFailedReport(const std::string& file) {
  return "无法在数据目录里写入" + dataFile(file) + "的新内容，未做任何更改。\n";
}

// `after`: 导入 or 恢复.
std::string tooManyReport(const std::string& after, const std::string& file) {
  return after + "后" + dataFile(file) + "将超过 32767 条记录，程序无法全部显示，未做任何更改。\n";
}

std::string tooLargeReport(const std::string& file) { return "书签文件" + quoted(file) + "太大（超过 512 MB），未做任何更改。"; }

constexpr const char* kFolderBusy = "另一个程序（Tarvola 或本程序）正在更改这个数据目录，等了 30 秒仍未结束，";

std::string unreadableReport(const UnreadableFile& unreadable, const std::string& file) {
  switch (unreadable.reason) {
    case UnreadableFile::Reason::unknownCharset:
      return "书签文件" + quoted(file) + "声明的字符集" + quoted(unreadable.charset) + "无法识别，未做任何更改。";
    case UnreadableFile::Reason::tooLarge: return tooLargeReport(file);
    case UnreadableFile::Reason::notReadWhole:
      return "书签文件" + quoted(file) + "没能完整读完（文件夹嵌套太深、标题太长或文件已损坏），未做任何更改。";
    case UnreadableFile::Reason::notBookmarkFile: break;
  }
  return quoted(file) + "不是浏览器的书签文件（HTML），未做任何更改。";
}

std::string orphansReport(const std::vector<std::pair<std::string, std::string>>& kept) {
  std::string text;
  for (const auto& [from, to] : kept)
    text.append("数据目录里原有不属于任何分类的网站文件 ").append(from).append("，已改名为 ").append(to).append(" 保留。\n");
  return text;
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
    text += "    " + (skip.title.empty() ? std::string("（无标题）") : shown(skip.title)) + "  " +
            (skip.address.empty() ? std::string("（无地址）") : shown(skip.address)) + "\n";
  }
  return text;
}

std::string doneReport(const ImportOutcome& outcome, const std::string& file) {
  const ImportPlan& plan = outcome.plan;
  std::string text = "已从" + quoted(file) + "导入：新增分类 " + std::to_string(plan.newCategories.size()) +
                     " 个，新增网站 " + std::to_string(outcome.addedSites) + " 个。\n";
  if (outcome.alreadyThere > 0)
    text += "分类里已有的网站 " + std::to_string(outcome.alreadyThere) + " 个没有重复导入。\n";
  if (!plan.skipped.empty()) {
    text += "跳过 " + std::to_string(plan.skipped.size()) + " 个书签：\n";
    text += skipsOf(plan.skipped, SkippedBookmark::Reason::notWebAddress, "地址不是 http、https 或 ftp 网址");
    text += skipsOf(plan.skipped, SkippedBookmark::Reason::addressTooLong, "地址超过 200 字节，放不下");
  }
  return text + orphansReport(outcome.keptOrphans);
}

std::string timeOf(std::int64_t seconds) {
  const auto time = static_cast<std::time_t>(seconds);
  std::tm local{};
#ifdef _WIN32
  const bool converted = localtime_s(&local, &time) == 0;
#else
  const bool converted = localtime_r(&time, &local) != nullptr;
#endif
  char text[32] = "";
  if (converted) std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", &local);
  return text;
}

std::size_t sitesOf(const Deletion& deletion) { return deletion.sites.size() / SiteRecord::kLength; }

std::string categoryNameOf(const Deletion& deletion) {
  return quoted(CategoryRecord::fromBytes(
                    std::span<const char, CategoryRecord::kLength>(deletion.category.data(), CategoryRecord::kLength))
                    .shownName());
}

// A website by its name, or by its address when it has none.
std::string websiteNameOf(const Deletion& deletion) {
  if (deletion.sites.size() < SiteRecord::kLength) return quoted("");
  const auto site =
      SiteRecord::fromBytes(std::span<const char, SiteRecord::kLength>(deletion.sites.data(), SiteRecord::kLength));
  const std::string name = shown(site.shownName());
  return quoted(name.empty() ? site.shownUrl() : name);
}

}  // namespace

DeletionColumns deletionColumns(const Deletion& deletion) {
  std::string name = "分类" + categoryNameOf(deletion);
  if (deletion.kind == Deletion::Kind::website) name += "里的网站" + websiteNameOf(deletion);
  return {timeOf(deletion.time), std::move(name), std::to_string(sitesOf(deletion)) + " 个网站"};
}

namespace {

// When, and what: a category with its websites, or one website of a category.
std::string deletionText(const Deletion& deletion) {
  const DeletionColumns columns = deletionColumns(deletion);
  if (deletion.kind == Deletion::Kind::website) return columns.time + "  " + columns.name + "\n";
  return columns.time + "  " + columns.name + "，" + columns.size + "\n";
}

std::string problemReport(DeletedOutcome::Status status, const std::string& file) {
  using Status = DeletedOutcome::Status;
  switch (status) {
    case Status::done: break;
    case Status::nothingKept: return "没有已删除的收藏。\n";
    case Status::noSuchNumber: return "没有这个编号的删除。用 tarvola-bookmarks deleted 查看编号，未做任何更改。\n";
    case Status::damaged:
      return "“已删除的收藏.html”已损坏或不是本程序写的，未做任何更改。下次删除时它会被改名保留。\n";
    case Status::busy: return std::string(kFolderBusy) + "未做任何更改。\n";
    case Status::pendingChange: return "数据目录里有一次没有完成的更改，现在也无法完成它，未做任何更改。\n";
    case Status::readFailed: return readFailedReport(file);
    case Status::tooMany: return tooManyReport("恢复", file);
    case Status::writeFailed: return writeFailedReport(file);
    case Status::unfinished: return "恢复没能全部写完。下次启动 Tarvola 或本程序时会自动把它完成。\n";
  }
  return {};
}

}  // namespace

std::string helpText() {
  return "用法：\n"
         "  tarvola-bookmarks [--data-dir 目录]\n"
         "  tarvola-bookmarks [--data-dir 目录] import 书签文件\n"
         "  tarvola-bookmarks [--data-dir 目录] export 书签文件\n"
         "  tarvola-bookmarks 书签文件\n"
         "  tarvola-bookmarks [--data-dir 目录] deleted\n"
         "  tarvola-bookmarks [--data-dir 目录] restore [编号]\n"
         "  tarvola-bookmarks [--data-dir 目录] find 关键词 [关键词…]\n"
         "\n"
         "  不带命令启动时打开窗口：边输入边查找网站，导入、导出书签文件，恢复删除。\n"
         "  import  把浏览器导出的书签文件（HTML）加入收藏：每个文件夹成为一个分类，\n"
         "          每个书签成为一个网站；不在文件夹里的书签放进分类“未分类”。\n"
         "  export  把全部收藏写成浏览器可以导入的书签文件（HTML，UTF-8）。\n"
         "  只给出一个文件时就是导入：在 Windows 资源管理器里把书签文件拖到本程序上即可。\n"
         "  deleted 列出删除过的分类和网站，最新的在前，带编号；以后的删除不改变已有的\n"
         "          编号。它们保存在数据目录的“已删除的收藏.html”里，任何浏览器也都能\n"
         "          导入这个文件。\n"
         "  restore 恢复这个编号的删除；不给编号就全部恢复。分类回到列表末尾，\n"
         "          单独删除的网站回到同名分类的末尾。把“已删除的收藏.html”拖到\n"
         "          本程序上也会全部恢复。\n"
         "  find    在全部收藏里找网站：每个关键词都要出现在网站的名称、地址或分类名里\n"
         "          （不分大小写，全角字母和数字同半角）；中文也可以用拼音找，全拼、\n"
         "          首字母或两者混用都行，例如 xinlang、xl、xinl 都能找到“新浪”。\n"
         "          每行一个网站：分类、名称、地址，用制表符隔开；从词首开始的在前。\n"
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
    case Status::readFailed: return readFailedReport(outcome.file);
    case Status::tooMany: return tooManyReport("导入", outcome.file);
    case Status::writeFailed: return writeFailedReport(outcome.file);
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
    case Status::folderFile:
      return quoted(file) + "是数据目录里 Tarvola 自己的文件，不能把书签导出到它上面；它没有改变，没有导出。\n";
    case Status::busy: return std::string(kFolderBusy) + "没有导出。\n";
    case Status::pendingChange: return "数据目录里有一次没有完成的更改，现在也无法完成它，没有导出。\n";
    case Status::readFailed: return "无法读取" + dataFile(outcome.file) + "，没有导出。\n";
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

std::string deletedListing(const DeletedOutcome& outcome) {
  if (outcome.status != DeletedOutcome::Status::done) return problemReport(outcome.status, outcome.file);
  std::string text = "已删除的收藏，最新的在前：\n";
  for (const Deletion& deletion : outcome.deletions) {
    const std::string number = std::to_string(deletion.number);
    text += std::string(number.size() < 4 ? 4 - number.size() : 0, ' ') + number + "  " + deletionText(deletion);
  }
  return text + "恢复其中一次：tarvola-bookmarks restore 编号；全部恢复：tarvola-bookmarks restore\n";
}

std::string restoreReport(const DeletedOutcome& outcome) {
  if (outcome.status != DeletedOutcome::Status::done) return problemReport(outcome.status, outcome.file);
  std::string text = "已恢复 " + std::to_string(outcome.deletions.size()) + " 次删除：新建分类 " +
                     std::to_string(outcome.createdCategories) + " 个，网站 " + std::to_string(outcome.restoredSites) +
                     " 个。\n";
  for (const Deletion& deletion : outcome.deletions) text += "  " + deletionText(deletion);
  return text + orphansReport(outcome.keptOrphans);
}

std::string findReport(const FindOutcome& outcome, const std::string& query) {
  using Status = WholeCollection::Status;
  switch (outcome.status) {
    case Status::done: break;
    case Status::busy: return std::string(kFolderBusy) + "没有查找。\n";
    case Status::pendingChange: return "数据目录里有一次没有完成的更改，现在也无法完成它，没有查找。\n";
    case Status::readFailed: return "无法读取" + dataFile(outcome.file) + "，没有查找。\n";
  }
  if (outcome.found.empty()) return "没有找到含有" + quoted(query) + "的网站。\n";
  std::string text;
  for (const FoundWebsite& website : outcome.found)
    text += onOneLine(website.category) + "\t" + onOneLine(website.name) + "\t" + onOneLine(website.address) + "\n";
  return text;
}

std::string progressLine(std::size_t done, std::size_t all) {
  return "正在导入：" + std::to_string(done) + " / " + std::to_string(all) + " 个书签\n";
}

}  // namespace tarvola
