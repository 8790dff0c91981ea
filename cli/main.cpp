#include <QCoreApplication>
#include <cstdio>
int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    std::fputs("uso: tarvia-calc ARCHIVO\n", stderr);
    return 64;
}
