// The smallest C++ program that prints a line: what any process costs to start.
#include <cstdio>

int main() {
    std::puts("hello");
    return 0;
}
