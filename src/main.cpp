#include "app/application.h"

int main(int argc, char *argv[])
{
    return runVestastra(argc, argv);
}
