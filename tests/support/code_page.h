#pragma once

namespace tarvola::test {

// Whether the platform's converter knows GB18030. Wine 8 lacks Windows code
// page 54936, so the data files fall back to GBK there.
bool systemHasGb18030();

// Why a test that needs GB18030 was skipped.
inline constexpr const char* kWithoutGb18030 =
    "no GB18030 (code page 54936) on this system, only GBK: run this test on Windows";

}  // namespace tarvola::test
