# The small collection the screenshots show: four categories, the first with
# four websites. Sourced by the screenshot tools.

# A field as the program stores it: ANSI bytes, blank-filled to its width.
field() {
  local bytes
  bytes=$(printf '%s' "$1" | iconv -f UTF-8 -t GB18030)
  LC_ALL=C printf "%-${2}s" "$bytes"
}
site() { field "$1" 50; field "$2" 200; }

# Writes wwww.dat and 0.dat into the folder $1.
write_sample_collection() {
  { field "新闻" 40; field "搜索" 40; field "购物" 40; field "学习" 40; } >"$1/wwww.dat"
  {
    site "新浪" "http://www.sina.com.cn"
    site "网易" "http://www.163.com"
    site "人民网" "http://www.people.com.cn"
    site "新华网" "http://www.xinhuanet.com"
  } >"$1/0.dat"
}
