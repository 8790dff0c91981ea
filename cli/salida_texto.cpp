#include "cli/salida_texto.h"

#include "core/catalogo.h"
#include "core/formato.h"

#include <array>

namespace tarvia::calc {

namespace {

// Rows of the cost structure top to bottom, as the results sheet lays them out.
struct Fila {
    int r;
    bool grupo;
};
constexpr std::array<Fila, 20> kFilas = {{
    {19, true}, {17, true},  {15, true}, {1, false},  {2, false},  {3, false},  {4, false},
    {5, false}, {16, true},  {7, false}, {20, false}, {8, false},  {9, false},  {10, false},
    {6, false}, {11, false}, {18, true}, {12, false}, {13, false}, {14, false},
}};

// The unit costs: what each one divides, and its two results (total and loaded).
struct Unitario {
    const char* nombre;
    const char* explicacion;
    int total;
    int enCarga; // 0: none
};
constexpr std::array<Unitario, 5> kUnitarios = {{
    {"C1", "costes totales por kilómetro", 43, 44},
    {"C2", "costes totales por hora", 47, 48},
    {"C3", "costes kilométricos por kilómetro", 49, 50},
    {"C4", "costes temporales e indirectos por hora", 51, 52},
    {"C5", "costes totales por tonelada-kilómetro", 54, 0},
}};

constexpr int kAnchoRotulo = 54;

class Resumen {
public:
    Resumen(const Documento& doc, Columna c) : doc_(doc), c_(c) {}

    QString operator()() const
    {
        const Pantalla& p = doc_.pantalla;
        QString t = (c_ == Columna::S ? p.marcoPersonal(Hoja::R) : p.marcoReferencia(Hoja::R)) + u'\n';
        t += QStringLiteral("\nCostes Anuales").leftJustified(kAnchoRotulo) +
             QStringLiteral("Euros (€)").rightJustified(16) + QStringLiteral("%").rightJustified(8) + u'\n';
        for (const Fila& f : kFilas) {
            if (!Visible(f.r))
                continue;
            QString rotulo = QString::fromUtf8(CampoDe(Hoja::R, f.r).etiqueta);
            if (f.r == 19)
                rotulo += QStringLiteral(" (repercutidos a todos los servicios)");
            rotulo = (f.grupo ? QStringLiteral("  ") : QStringLiteral("      ")) + rotulo;
            t += rotulo.leftJustified(kAnchoRotulo) + Cifra(f.r).rightJustified(16) +
                 Cifra(f.r + 20).rightJustified(8) + u'\n';
        }

        t += QStringLiteral("\nCostes unitarios\n");
        for (int r : {41, 42, 45, 46, 53})
            if (Visible(r))
                t += (QStringLiteral("  ") + QString::fromUtf8(CampoDe(Hoja::R, r).etiqueta))
                         .leftJustified(kAnchoRotulo) +
                     Cifra(r).rightJustified(16) + u'\n';
        for (const Unitario& u : kUnitarios) {
            if (!Visible(u.total))
                continue;
            QString linea = QStringLiteral("  %1 = ").arg(QString::fromUtf8(u.nombre)) + Unidad(u.total);
            if (u.enCarga)
                linea += Unidad(u.enCarga);
            t += linea.leftJustified(66) + QStringLiteral("(%1)\n").arg(QString::fromUtf8(u.explicacion));
        }
        return t;
    }

private:
    bool Visible(int r) const { return doc_.pantalla.caja(Hoja::R, c_, r).visible; }
    // "1,2345 €/km recorrido", padded for the next column.
    QString Unidad(int r) const
    {
        return Cifra(r).rightJustified(10) + u' ' + QString::fromUtf8(CampoDe(Hoja::R, r).unidad).leftJustified(18);
    }
    QString Cifra(int r) const
    {
        const auto x = doc_.calculo.Columna(c_).R(r).comoNumero();
        return x ? FormatearNumero(*x, Decimales(Hoja::R, r), doc_.calculo.Local) : QString();
    }

    const Documento& doc_;
    Columna c_;
};

constexpr int kServicios = 5;
constexpr int kAnchoServicio = 14;
constexpr int kAnchoServicios = 60; // the longest row caption and its bullet

// Service k's fields: its three entries and three prices, from 6k − 4.
int CampoServicio(int k, int fila) { return 6 * k - 4 + fila; }

bool TieneDatos(const Documento& doc, int k)
{
    for (int fila = 0; fila < 3; ++fila)
        if (doc.calculo.Personal.S(CampoServicio(k, fila)).numeroOCero() != 0)
            return true;
    return false;
}

// The service sheet, the columns with data only.
QString Servicios(const Documento& doc)
{
    std::vector<int> servicios;
    for (int k = 1; k <= kServicios; ++k)
        if (TieneDatos(doc, k))
            servicios.push_back(k);
    if (servicios.empty())
        return {};
    const Localizacion& loc = doc.calculo.Local;
    const auto cifra = [&](int i) {
        return FormatearNumero(doc.calculo.Personal.S(i).numeroOCero(), Decimales(Hoja::S, i), loc);
    };
    QString t = u'\n' + doc.pantalla.titulo(Hoja::S) + QStringLiteral("\n\n");
    t += (QStringLiteral("  ") + QString::fromUtf8(CampoDe(Hoja::S, 1).etiqueta)).leftJustified(kAnchoRotulo) +
         cifra(1).rightJustified(16) + u' ' + QString::fromUtf8(CampoDe(Hoja::S, 1).unidad) + u'\n';
    QString cabecera = QString().leftJustified(kAnchoServicios);
    for (int k : servicios)
        cabecera += QStringLiteral("Servicio %1").arg(k).rightJustified(kAnchoServicio);
    t += u'\n' + cabecera + u'\n';
    for (int fila = 0; fila < 6; ++fila) {
        const Campo& campo = CampoDe(Hoja::S, CampoServicio(1, fila));
        const QString rotulo = QString::fromUtf8(campo.etiqueta);
        QString linea = (fila < 3 ? QStringLiteral("  - ") + rotulo
                                  : QStringLiteral("  Coste por ") + rotulo.toLower() + QStringLiteral(" (€)"))
                            .leftJustified(kAnchoServicios);
        for (int k : servicios)
            linea += cifra(CampoServicio(k, fila)).rightJustified(kAnchoServicio);
        t += linea + u'\n';
    }
    return t;
}

} // namespace

QString ResumenTexto(const Documento& doc)
{
    return doc.pantalla.titulo(Hoja::R) + QStringLiteral("\n\n") + Resumen(doc, Columna::S)() + u'\n' +
           Resumen(doc, Columna::O)() + Servicios(doc);
}

QString LineaMensaje(const Mensaje& m)
{
    QString texto = m.texto;
    texto.replace(QStringLiteral("\r\n\r\n"), QStringLiteral(" "));
    texto.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    const QString origen =
        m.campo.isEmpty() ? QString() : QStringLiteral(" (%1 = «%2»)").arg(m.campo, m.textoIntroducido);
    return QStringLiteral("%1%2: %3").arg(m.titulo, origen, texto.trimmed());
}

QString LineaAviso(const Aviso& a)
{
    return QStringLiteral("Aviso (%1): %2")
        .arg(a.columna == Columna::S ? QStringLiteral("personal") : QStringLiteral("referencia"), a.mensaje);
}

} // namespace tarvia::calc
