// tarvia-hora-chm FICHERO.chm SEGUNDOS: puts the time of day of SEGUNDOS
// (seconds since 1970, the sources' date) where chmcmd stamped its own, so
// the same pages always compile to the same bytes.
#include "hora_chm.h"

#include <QFile>

#include <charconv>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    std::int64_t segundos = 0;
    const char* fin = argc == 3 ? argv[2] + std::strlen(argv[2]) : nullptr;
    if (argc != 3 || std::from_chars(argv[2], fin, segundos).ptr != fin || fin == argv[2]) {
        std::fprintf(stderr, "uso: tarvia-hora-chm FICHERO.chm SEGUNDOS_DESDE_1970\n");
        return 64;
    }
    QFile f(QString::fromLocal8Bit(argv[1]));
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(f.errorString()));
        return 1;
    }
    QByteArray chm = f.readAll();
    f.close();
    const QString error = tarvia::FijarHoraChm(chm, segundos);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(error));
        return 1;
    }
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || f.write(chm) != chm.size()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(f.errorString()));
        return 1;
    }
    return 0;
}
