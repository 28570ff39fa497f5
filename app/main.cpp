#include "app/program.h"

int main(int argc, char** argv)
{
    return KolvoMain(argc, argv);
}
