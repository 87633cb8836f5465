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

# The second category's websites too, for the window that finds them.
write_search_sample() {
  {
    site "百度" "http://www.baidu.com"
    site "必应" "https://cn.bing.com"
  } >"$1/1.dat"
  {
    site "淘宝网" "http://www.taobao.com"
    site "京东" "http://www.jd.com"
  } >"$1/2.dat"
  {
    site "学堂在线" "http://www.xuetangx.com"
    site "新东方" "http://www.xdf.cn"
  } >"$1/3.dat"
}
