// velorin-levels: checks, solves, shows and generates level files.
#include "Commands.h"

#include <iostream>

int main(int argc, char** argv)
{
    return RunLevelTool(Args(argv + 1, argv + argc), std::cout, std::cerr);
}
