#include "ops/categories/category_name_dialog.h"

namespace tarvola {

std::string askForCategoryName(Host& host, const std::string& defaultText) {
  return host.inputBox("请输入网站类别名称", "输入", defaultText);
}

}  // namespace tarvola
