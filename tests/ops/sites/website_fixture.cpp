#include "ops/sites/website_fixture.h"

#include "ops/browse/category_selection.h"
#include "ops/browse/form_load.h"
#include "ops/browse/website_selection.h"
#include "support/file_bytes.h"

namespace tarvola::test {

void selectCategory(FakeHost& host, DataFolder& folder, int position) {
  host.select(ListBox::List1, position);
  List1_Click(host, folder);
}

void selectWebsite(FakeHost& host, DataFolder& folder, int position) {
  host.select(ListBox::List2, position);
  List2_Click(host, folder);
}

void WebsiteFixture::SetUp() {
  writeBytes(dir / "wwww.dat", categoryFileOf({"A", "B", "C"}));
  Form_Load(host, folder);
}

std::string WebsiteFixture::siteFileBytes(int position) const {
  return readBytes(dir / (std::to_string(position) + ".dat"));
}

void atEveryStep(FaultyFileSystem::Fault fault, const std::function<void(FileSystem&)>& scenario,
                 const std::function<void()>& check) {
  FaultyFileSystem counter;
  scenario(counter);
  ASSERT_GT(counter.steps(), 0);
  for (int step = 1; step <= counter.steps(); ++step) {
    SCOPED_TRACE("step " + std::to_string(step) + ": " + counter.log()[static_cast<std::size_t>(step - 1)]);
    FaultyFileSystem fs;
    fs.faultAt(step, fault);
    try {
      scenario(fs);
    } catch (const FaultyFileSystem::Crash&) {
    }
    check();
  }
}

}  // namespace tarvola::test
