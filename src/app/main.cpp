#include "frame/WindowApp.h"

int main(int argc, char **argv)
{
    return CWindowApp::Run(argc, argv);
}
