/* Holds a file open for a while, as a virus scanner, an indexer or a sync
 * client does, so that the tests meet Windows' refusals for real:
 *
 *   tarvola_file_holder FILE SHARING MILLISECONDS EVENT
 *
 * SHARING is what others may do with FILE meanwhile: none, read, read-write
 * or all (read, write and delete). The named EVENT is set once FILE is held;
 * it is let go MILLISECONDS after that. */
#include <stdlib.h>
#include <wchar.h>
#include <windows.h>

static DWORD sharingOf(const wchar_t* name) {
  if (wcscmp(name, L"read") == 0) return FILE_SHARE_READ;
  if (wcscmp(name, L"read-write") == 0) return FILE_SHARE_READ | FILE_SHARE_WRITE;
  if (wcscmp(name, L"all") == 0) return FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
  return 0;
}

int wmain(int argc, wchar_t** argv) {
  if (argc != 5) return 2;
  HANDLE file = CreateFileW(argv[1], GENERIC_READ, sharingOf(argv[2]), NULL, OPEN_EXISTING, 0, NULL);
  HANDLE held = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[4]);
  if (file == INVALID_HANDLE_VALUE || held == NULL || !SetEvent(held)) return 1;
  Sleep(wcstoul(argv[3], NULL, 10));
  CloseHandle(file);
  return 0;
}
