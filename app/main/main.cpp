#include "app/StartUp.h"

int main(int argc, char** argv) {
    return brelvane::RunProgram(argc, argv);
}
