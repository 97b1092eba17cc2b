// zorbaltwerk-cli: the main window's commands, headless.
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--help") {
            std::cout << "usage: zorbaltwerk-cli [--workdir DIR] COMMAND ...\n";
            return 0;
        }
    }
    std::cerr << "usage: zorbaltwerk-cli [--workdir DIR] COMMAND ...\n";
    return 2;
}
