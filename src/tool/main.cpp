#include <cstdio>
int main() { std::puts("quorvel3d-tool 1.35"); }
