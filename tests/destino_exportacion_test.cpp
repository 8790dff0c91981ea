#include "core/destino_exportacion.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tarvia {
namespace {

TEST(DestinoExportacion, ExtensionDelNombre)
{
    const struct {
        const char* escrito;
        const char* extension;
        const char* esperado;
    } casos[] = {
        {"/t/prueba", "pdf", "/t/prueba.pdf"},
        {"/t/prueba.pdf", "pdf", "/t/prueba.pdf"},
        {"/t/prueba.PDF", "pdf", "/t/prueba.PDF"},
        {"/t/prueba.", "pdf", "/t/prueba.pdf"},
        {"/t/prueba.pdf.csv", "pdf", "/t/prueba.pdf.csv.pdf"},
        {"/t/Camión 2.5 t", "csv", "/t/Camión 2.5 t.csv"},
        {"/t/datos.csv", "csv", "/t/datos.csv"},
        {"/t/datos.brm", "csv", "/t/datos.brm.csv"},
        {"/t.pdf/informe", "pdf", "/t.pdf/informe.pdf"},
        {"prueba.trv", "trv", "prueba.trv"}, // never a second one
        {"prueba.trv.trv", "trv", "prueba.trv.trv"},
        {"prueba.brm", "trv", "prueba.brm.trv"},
        {"/t/informe", "", "/t/informe"},
        {"", "pdf", ""},
    };
    for (const auto& c : casos)
        EXPECT_EQ(ConExtension(QString::fromUtf8(c.escrito), QString::fromUtf8(c.extension)),
                  QString::fromUtf8(c.esperado))
            << c.escrito;
}

TEST(DestinoExportacion, ExtensionDelFiltro)
{
    const struct {
        const char* filtro;
        const char* extension;
    } casos[] = {
        {"PDF (*.pdf)", "pdf"},
        {"Documentos PDF (*.pdf)", "pdf"},
        {"CSV (*.CSV)", "csv"},
        {"Todos (*)", ""},
    };
    for (const auto& c : casos)
        EXPECT_EQ(ExtensionDelFiltro(QString::fromUtf8(c.filtro)), QString::fromUtf8(c.extension)) << c.filtro;
}

TEST(DestinoExportacion, CarpetaInicial)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString calculos = dir.filePath(QStringLiteral("Cálculos"));
    const QString ultima = dir.filePath(QStringLiteral("Informes"));
    const QString baremario = dir.filePath(QStringLiteral("Baremario"));
    const QString brmMayusculas = dir.filePath(QStringLiteral("Otra"));
    for (const QString& c : {calculos, ultima, baremario, brmMayusculas})
        ASSERT_TRUE(QDir().mkpath(c));
    QFile brm(baremario + QStringLiteral("/Camion.brm"));
    ASSERT_TRUE(brm.open(QIODevice::WriteOnly));
    QFile mayusculas(brmMayusculas + QStringLiteral("/TRACTORA.BRM"));
    ASSERT_TRUE(mayusculas.open(QIODevice::WriteOnly));
    const QString noHay = dir.filePath(QStringLiteral("borrada"));

    const struct {
        QString ultima, calculos, esperada;
    } casos[] = {
        {ultima, calculos, ultima},           {{}, calculos, calculos},
        {noHay, calculos, calculos},          {baremario, calculos, calculos},
        {brmMayusculas, calculos, calculos},  {ultima, baremario, ultima},
        {{}, baremario, QDir::homePath()},    {noHay, noHay, QDir::homePath()},
        {brm.fileName(), calculos, calculos}, // a file, not a folder
    };
    for (const auto& c : casos)
        EXPECT_EQ(CarpetaInicialExportacion(c.ultima, c.calculos), c.esperada)
            << c.ultima.toStdString() << " | " << c.calculos.toStdString();
}

} // namespace
} // namespace tarvia
