// A stand-in for a program that the suite starts (the launcher, the web browser, the text
// editor): it appends one line to C:\lunetar-test\record.log and ends. The line holds its own
// name, its working folder and its argument vector, separated by tabs, so a test can check every
// hand-over and every opened address.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
  char module[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, module, MAX_PATH);
  std::string name = module;
  name.erase(0, name.find_last_of('\\') + 1);
  char folder[MAX_PATH] = "";
  GetCurrentDirectoryA(MAX_PATH, folder);

  std::string line = name + "\t" + folder;
  for (int i = 0; i < argc; ++i) line += std::string("\t") + argv[i];
  CreateDirectoryA("C:\\lunetar-test", nullptr);
  if (FILE* log = std::fopen("C:\\lunetar-test\\record.log", "ab")) {
    std::fprintf(log, "%s\n", line.c_str());
    std::fclose(log);
  }
  return EXIT_SUCCESS;
}
