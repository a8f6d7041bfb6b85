// Test helper: prints each argument as the C runtime split it, in brackets, on one line.
#include <cstdio>

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) std::printf("[%s]", argv[i]);
  std::printf("\n");
  return argc - 1;
}
