#include "app/Launcher.h"

int main(int argc, char** argv) {
    return quirn::RunQuirn(argc, argv);
}
