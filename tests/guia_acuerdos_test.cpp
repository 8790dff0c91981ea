// The agreements guide shows the own fuel share of several reference
// vehicles next to their official index. Those figures are worked out here
// by the program on the reference data it ships, as the revision window does:
// when the data change and the guide is left behind, this fails naming the
// vehicle and today's figure.
#include "core/campos.h"
#include "core/redondear.h"
#include "engine/abrir.h"
#include "engine/revision.h"
#include "presentacion/analisis.h"
#include "presentacion/documento.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <map>

namespace tarvia {
namespace {

const QString kPagina = QStringLiteral(TARVIA_AYUDA_FUENTES "/acuerdos/cuota_combustible.htm");
const QString kBaremario = QStringLiteral(TARVIA_BIN_DIR "/Baremario/");

// A figure as the guide writes it ("44.000 kg", "30,9 %", "−3,09 €"): its
// value and how many decimals it shows.
struct Cifra {
    double valor = 0;
    int decimales = 0;
};

Cifra LeerCifra(QString texto)
{
    texto.replace(QStringLiteral("&nbsp;"), QStringLiteral(" ")).replace(QChar(0x2212), u'-');
    texto.remove(QRegularExpression(QStringLiteral("[^0-9,.\\-]")));
    texto.remove(u'.');
    const qsizetype coma = texto.indexOf(u',');
    Cifra c;
    c.decimales = coma < 0 ? 0 : static_cast<int>(texto.size() - coma - 1);
    bool ok = false;
    c.valor = texto.replace(u',', u'.').toDouble(&ok);
    EXPECT_TRUE(ok) << texto.toStdString();
    return c;
}

// The guide's rows: the reference file and each marked figure.
struct Fila {
    QString brm;
    std::map<QString, Cifra> datos;
};

std::vector<Fila> FilasDeLaGuia()
{
    QFile f(kPagina);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << kPagina.toStdString();
    const QString html = QString::fromUtf8(f.readAll());
    static const QRegularExpression fila(QStringLiteral(R"re(<tr data-brm="([^"]+)">(.*?)</tr>)re"),
                                         QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression dato(QStringLiteral(R"re(data-dato="(\w+)">([^<]+)<)re"));
    std::vector<Fila> filas;
    for (auto it = fila.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        Fila r{m.captured(1), {}};
        for (auto d = dato.globalMatch(m.captured(2)); d.hasNext();) {
            const auto n = d.next();
            r.datos[n.captured(1)] = LeerCifra(n.captured(2));
        }
        filas.push_back(r);
    }
    return filas;
}

void Comparar(const Fila& fila, const QString& nombre, double calculado)
{
    const auto it = fila.datos.find(nombre);
    ASSERT_NE(it, fila.datos.end()) << fila.brm.toStdString() << ": falta " << nombre.toStdString();
    const Cifra& escrita = it->second;
    EXPECT_DOUBLE_EQ(escrita.valor, Redondear(calculado, escrita.decimales))
        << fila.brm.toStdString() << ", " << nombre.toStdString() << ": el programa da " << calculado;
}

TEST(GuiaAcuerdos, LaCuotaDelCombustibleDeCadaEjemploEsLaDeLosDatosDeReferencia)
{
    const std::vector<Fila> filas = FilasDeLaGuia();
    // A light, a middle and a heavy vehicle at least: one per official index.
    ASSERT_GE(filas.size(), 3u);
    const TablaIndices indices = LeerIndices(kBaremario + QStringLiteral("indices_repercusion.tsv"));
    ASSERT_TRUE(indices.aviso.isEmpty()) << indices.aviso.toStdString();
    for (const Fila& fila : filas) {
        SCOPED_TRACE(fila.brm.toStdString());
        Documento doc;
        InicializarCalculo(doc.calculo);
        ASSERT_EQ(LeerArchivo(doc, kBaremario + fila.brm), FalloArchivo::Ninguno);
        // The guide's example: P = 1.000 €, diesel up 10 % (G = 10,00 %), on
        // the data's own date, which lies in the general period of the indices.
        const Revision r =
            RevisarConElCalculo(doc, indices, 1000, 1.0, 1.1, kUmbralLegalPct, false, doc.calculo.Personal.Fecha);
        ASSERT_DOUBLE_EQ(r.variacionPct, 10);
        Comparar(fila, QStringLiteral("mma"), doc.calculo.Personal[campos::C::MasaMaximaAutorizada].numeroOCero());
        Comparar(fila, QStringLiteral("ir"), r.indice);
        Comparar(fila, QStringLiteral("cuota"), r.cuotaCombustiblePct);
        Comparar(fila, QStringLiteral("oficial"), r.incremento);
        Comparar(fila, QStringLiteral("propia"), r.incrementoCuotaPropia);
    }
}

} // namespace
} // namespace tarvia
