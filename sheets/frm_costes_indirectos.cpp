// The layout of sheet I, in twips, and its comment labels LabelComenS and
// LabelComenO beside the option frame.
#include "sheets/frm_costes_indirectos.h"
#include "sheets/colores.h"
#include "sheets/medidas.h"

#include "core/catalogo.h"
#include "engine/indirectos.h"
#include "sheets/marco_hoja.h"
#include "sheets/twips.h"

#include <QLabel>

namespace tarvia {

namespace {

enum : int { kOpcion = 1 };

constexpr int kCaja = 3840, kAnchoCaja = 1215, kAlto = medidas::kAltoCaja;
constexpr QRect Caja(int y) { return QRect(kCaja, y, kAnchoCaja, kAlto); }
constexpr QRect Etiqueta(int y, int alto) { return QRect(240, y + kAlto / 2 - alto / 2, 3480, alto); }

constexpr int kFilaEstructura = 1500, kFilaComercial = 2160, kFilaOtros = 2760, kFilaTotal = 3420;

// The comment at its design place, and where it goes once a total is shown.
constexpr QRect kComentarioDiseno(1740, 480, 3600, 285);
constexpr QRect kComentarioFijado(1740, 300, 3600, 660);
constexpr QRgb kAzul = colores::Azul;

const char* Rotulo(int i) { return CampoDe(Hoja::I, i).etiqueta; }

struct Tablas {
    std::array<MarcoDiseno, 1> marcos;
    std::array<EtiquetaDiseno, 5> etiquetas;
    std::array<OpcionDiseno, 2> opciones;
    std::array<CajaDiseno, 4> cajas;
};

Tablas Construir()
{
    Tablas t;
    t.marcos = {{
        {kOpcion, 0, QRect(120, 300, 1560, 660), "", colores::GrupoPersonal, colores::GrupoReferencia, std::nullopt,
         "I1", 1},
    }};
    EtiquetaDiseno euros{0, QRect(kCaja, kFilaEstructura - 420, kAnchoCaja, 240), "Euros", false, false, true};
    EtiquetaDiseno estructura{0, Etiqueta(kFilaEstructura, 600), Rotulo(2)};
    EtiquetaDiseno comercial{0, Etiqueta(kFilaComercial, 405), Rotulo(3)};
    EtiquetaDiseno otros{0, Etiqueta(kFilaOtros, 405), Rotulo(4)};
    // The breakdown rows' labels go with their boxes.
    estructura.sigueCaja = 2;
    comercial.sigueCaja = 3;
    otros.sigueCaja = 4;
    t.etiquetas = {{euros, estructura, comercial, otros, {0, Etiqueta(kFilaTotal, 405), Rotulo(5)}}};
    t.opciones = {{
        {kOpcion, 1, 1, QRect(120, 150, 1320, 240), "Desglosado"},
        {kOpcion, 1, 2, QRect(120, 390, 1320, 240), "Total"},
    }};
    t.cajas = {{
        {0, 2, Caja(kFilaEstructura)},
        {0, 3, Caja(kFilaComercial)},
        {0, 4, Caja(kFilaOtros)},
        {0, 5, Caja(kFilaTotal)},
    }};
    return t;
}

// The comment breaks its lines with CR LF; a label wants LF.
QString Lineas(const QString& texto)
{
    QString s = texto;
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s;
}

} // namespace

const DisenoHoja& DisenoCostesIndirectos()
{
    static const Tablas tablas = Construir();
    static const DisenoHoja diseno =
        DisenoDosColumnas(Hoja::I, 4500, 4020, tablas.marcos, tablas.etiquetas, tablas.cajas, tablas.opciones);
    return diseno;
}

FrmCostesIndirectos::FrmCostesIndirectos(Documento& doc, QWidget* padre)
    : HojaDisenada(doc, DisenoCostesIndirectos(), padre)
{
    for (Columna c : {Columna::S, Columna::O}) {
        auto* etiqueta = new QLabel(MarcoColumna(c));
        etiqueta->setObjectName(c == Columna::S ? QStringLiteral("LabelComenS") : QStringLiteral("LabelComenO"));
        QFont f = etiqueta->font();
        f.setBold(false);
        etiqueta->setFont(f);
        etiqueta->setAlignment(Qt::AlignCenter);
        QPalette p = etiqueta->palette();
        p.setColor(QPalette::WindowText, QColor(kAzul));
        etiqueta->setPalette(p);
        comentarios_[static_cast<int>(c)] = etiqueta;
    }
    Refrescar();
}

void FrmCostesIndirectos::Refrescar()
{
    HojaDisenada::Refrescar();
    const Pantalla& p = documento().pantalla;
    for (Columna c : {Columna::S, Columna::O}) {
        QLabel* etiqueta = comentarios_[static_cast<int>(c)];
        if (!etiqueta)
            continue; // still building the base sheet
        const QString texto = Lineas(p.comentario(c));
        if (etiqueta->text() != texto)
            etiqueta->setText(texto);
        const QRect r = Px(p.comentarioFijado(c) ? kComentarioFijado : kComentarioDiseno);
        if (etiqueta->geometry() != r)
            etiqueta->setGeometry(r);
    }
}

void FrmCostesIndirectos::Activar()
{
    Comentario(documento(), Columna::S);
    Refrescar();
}

void FrmCostesIndirectos::paintEvent(QPaintEvent* ev)
{
    if (!comentando_) {
        comentando_ = true;
        Comentario(documento(), Columna::S);
        QLabel* etiqueta = comentarios_[static_cast<int>(Columna::S)];
        const QString texto = Lineas(documento().pantalla.comentario(Columna::S));
        if (etiqueta->text() != texto)
            etiqueta->setText(texto);
        comentando_ = false;
    }
    HojaDisenada::paintEvent(ev);
}

} // namespace tarvia
