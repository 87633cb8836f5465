#!/usr/bin/env bash
# The licence texts and notices of everything linked into the Windows
# executables, gathered from the sources of the very versions built: Debian's
# qt6-base and libxml2 source packages, and the copyright files of the
# MinGW-w64 and GCC packages that made the executables. Kept under
# ~/.cache/tarvola/, keyed by those versions and this script. Prints the folder.
set -euo pipefail
source "$(dirname "$0")/lib/common.sh"

install_packages dpkg-dev python3 qt6-base-dev libxml2-dev mingw-w64-x86-64-dev g++-mingw-w64-x86-64-posix >&2

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
libxml2_version=$(dpkg-query -W -f='${Version}' libxml2-dev)
mingw_version=$(dpkg-query -W -f='${Version}' mingw-w64-x86-64-dev)
gcc_version=$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix)
key=$(printf '%s\n' "$qt_version" "$libxml2_version" "$mingw_version" "$gcc_version" | cat - "$0" | sha256sum | cut -c1-12)
notices=${TARVOLA_CACHE_DIR:-$HOME/.cache/tarvola}/notices-$key

if [[ -f $notices/.complete ]]; then
  echo "$notices"
  exit 0
fi
echo "Gathering the notices of the Windows executables from the sources into $notices" >&2

work=$(mktemp -d "${TMPDIR:-/tmp}/tarvola-notices.XXXXXX")
trap 'rm -rf "$work"' EXIT
fetch_debian_source qt6-base "$qt_version" "$work"
fetch_debian_source libxml2 "$libxml2_version" "$work"
qt_source=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')
libxml2_source=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'libxml2-*')

out=$work/notices
mkdir -p "$out/Qt" "$out/libxml2" "$out/MinGW-w64" "$out/GCC"

# Qt under the LGPL 3, which is the GPL 3 with additional permissions.
cp "$qt_source/LICENSES/LGPL-3.0-only.txt" "$qt_source/LICENSES/GPL-3.0-only.txt" "$out/Qt/"

# The third-party code that Qt lists for the modules linked: Core, Gui, Widgets.
python3 - "$qt_source" "$out/Qt" "$qt_version" <<'PY'
import json, pathlib, shutil, sys

source, out, version = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2]), sys.argv[3]
modules = {"qtcore", "qtgui", "qtwidgets"}
# Listed for those modules, but not part of a Windows build without OpenGL,
# Vulkan (every Id beginning "vulkan") or printing on x86: other systems' code,
# build tools, ARM code.
not_in_this_build = {
    "extra-cmake-modules", "kwin", "android-gradle-wrapper", "android-native-style",
    "forkfd", "qeventdispatcher_cf", "cocoa-platform-plugin", "xcb-xinput", "vera_font", "dejayvu",
    "pixman", "opengl-headers", "opengl-es2-headers",
}
def in_this_build(entry):
    return entry["Id"] not in not_in_this_build and not entry["Id"].lower().startswith("vulkan")
# FreeType's LICENSE.txt names the licence it is used under here without holding it.
extra_licence_files = {"freetype": ["docs/FTL.TXT"]}

entries = []
for attribution in sorted(source.glob("**/qt_attribution.json")):
    if attribution.relative_to(source).parts[0] not in ("src", "util"):
        continue
    listed = json.loads(attribution.read_text(encoding="utf-8"), strict=False)
    for entry in listed if isinstance(listed, list) else [listed]:
        if entry.get("QDocModule") in modules and in_this_build(entry):
            entries.append((attribution.parent, entry))
if not entries:
    sys.exit("no qt_attribution.json entries found for Core, Gui and Widgets")

licences = out / "third-party"
licences.mkdir()
index = [f"Third-party code in Qt {version} (Core, Gui, Widgets and the plugins linked),",
         "as listed by Qt's sources in qt_attribution.json.", ""]
for folder, entry in sorted(entries, key=lambda e: e[1]["Name"].lower()):
    files = entry.get("LicenseFiles") or ([entry["LicenseFile"]] if entry.get("LicenseFile") else [])
    files += extra_licence_files.get(entry["Id"], [])
    copied = []
    for name in files:
        text = folder / name
        # A .txt name, so that Windows opens every one of them.
        target = f"{entry['Id']}-{pathlib.Path(name).name}"
        target += "" if target.lower().endswith(".txt") else ".txt"
        shutil.copyfile(text, licences / target)
        copied.append(target)
    copyright = entry.get("Copyright") or (folder / entry["CopyrightFile"]).read_text(encoding="utf-8")
    index += [f"{entry['Name']} {entry.get('Version', '')}".rstrip(), "-" * 72,
              entry.get("QtUsage", "").strip(),
              f"License: {entry.get('License', '')}" + (f" ({entry['LicenseId']})" if entry.get("LicenseId") else ""),
              copyright.strip()]
    if copied:
        index.append("Licence text: " + ", ".join(f"third-party/{name}" for name in copied))
    index.append("")
(out / "third-party.txt").write_text("\n".join(index), encoding="utf-8")
PY

# libxml2: its own notice, and Debian's record of the files under other notices.
cp "$libxml2_source/Copyright" "$out/libxml2/Copyright.txt"
cp "$libxml2_source/debian/copyright" "$out/libxml2/debian-copyright.txt"
# The MinGW-w64 runtime and winpthreads (one package), and GCC's runtime
# libraries (libstdc++, libgcc) under the GCC Runtime Library Exception.
cp /usr/share/doc/mingw-w64-x86-64-dev/copyright "$out/MinGW-w64/copyright.txt"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$out/GCC/copyright.txt"

printf '%s\n' "qt6-base $qt_version" "libxml2 $libxml2_version" "mingw-w64 $mingw_version" \
  "gcc-mingw-w64 $gcc_version" >"$out/versions.txt"
touch "$out/.complete"
rm -rf "$notices"
mkdir -p "$(dirname "$notices")"
mv "$out" "$notices"
echo "$notices"
