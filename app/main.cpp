#include <cstdio>

int main() {
    std::puts("Codarium: the program is not complete yet; the main window comes next.");
    return 0;
}
