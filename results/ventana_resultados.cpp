#include "results/ventana_resultados.h"
#include "sheets/fuentes.h"

#include "presentacion/teclado.h"

#include "core/catalogo.h"
#include "engine/resultados.h"
#include "results/cuadro_tarta.h"
#include "results/disposicion.h"
#include "sheets/etiqueta_cacheada.h"
#include "sheets/marco_hoja.h"
#include "sheets/twips.h"

#include <QKeyEvent>
#include <QLabel>

namespace tarvia {

using namespace resultados;

namespace {

constexpr int kIndiceS = static_cast<int>(Columna::S);
constexpr int kIndiceO = static_cast<int>(Columna::O);
constexpr int kAltoTexto = 225;

// Page Up and Page Down as the key navigation names them.

void Colorear(QWidget* w, QPalette::ColorRole rol, const QColor& color)
{
    if (w->palette().color(rol) == color)
        return;
    QPalette p = w->palette();
    p.setColor(rol, color);
    w->setPalette(p);
}

QLabel* Rotulo(QWidget* padre, const QString& texto, const QRect& twips, bool negrita, const QColor& color = Qt::black,
               Qt::Alignment alineacion = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* l = new EtiquetaCacheada(texto, padre);
    l->setGeometry(Px(twips));
    l->setFont(Fuente(negrita));
    l->setAlignment(alineacion);
    Colorear(l, QPalette::WindowText, color);
    return l;
}

// A value label: right-aligned figures in a sunken box.
QLabel* EtiquetaValor(QWidget* padre, const QRect& twips, const QColor& fondo, const QColor& texto)
{
    auto* l = Rotulo(padre, QString(), twips, false, texto, Qt::AlignRight | Qt::AlignVCenter);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setLineWidth(1);
    l->setMargin(1);
    l->setAutoFillBackground(true);
    Colorear(l, QPalette::Window, fondo);
    return l;
}

QFrame* Separador(QWidget* padre, int top, int ancho)
{
    auto* f = new QFrame(padre);
    f->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    f->setGeometry(Px(QRect(60, top, ancho - 120, 30)));
    return f;
}

// Only what changed is touched, so mirroring never asks for a repaint by itself.
void PonerTexto(QLabel* l, const QString& texto)
{
    if (l->text() != texto)
        l->setText(texto);
}

void PonerVisible(QWidget* w, bool visible)
{
    if (w->isHidden() == visible)
        w->setVisible(visible);
}

bool EsCantidad(int r) { return r == 41 || r == 42 || r == 45 || r == 46 || r == 53; }
bool EsBloqueToneladas(int r) { return r == 53 || r == 54; }

} // namespace

VentanaResultados::VentanaResultados(Documento& doc, QWidget* padre) : VentanaHoja(doc, Hoja::R, padre)
{
    setObjectName(QStringLiteral("frmResultados"));
    setFont(Fuente(false));
    setFixedSize(Px(TamanoTwips()));

    marcoTitulo_ = new MarcoHoja(QString(), kFondoCostes, this);
    marcoTitulo_->setFont(Fuente(true, 9.75));
    marcoTitulo_->setGeometry(Px(kMarcoTitulo));

    ConstruirCostes();
    ConstruirColumna(Columna::S);
    ConstruirColumna(Columna::O);
    Refrescar();
}

QSize VentanaResultados::TamanoTwips() const { return {kAnchoHoja, kAltoHoja}; }

void VentanaResultados::ConstruirCostes()
{
    marcoCostes_ = new MarcoHoja(QStringLiteral("Costes Anuales"), kFondoCostes, marcoTitulo_);
    marcoCostes_->setFont(Fuente(true));
    marcoCostes_->setGeometry(Px(kMarcoCostes));
    const int ancho = kMarcoCostes.width();

    for (const Fila& f : kFilas) {
        const int left = f.grupo ? kLeftGrupo : kLeftDetalle;
        Rotulo(marcoCostes_, QString::fromUtf8(CampoDe(Hoja::R, f.r).etiqueta),
               QRect(left, f.top, ancho - left - 60, kAltoFila), f.grupo);
    }
    Rotulo(marcoCostes_, QStringLiteral("(repercutidos a todos los servicios)"),
           QRect(kLeftGrupo, kTopRepercutidos, ancho - kLeftGrupo - 60, kAltoFila), false);

    for (int i = 0; i < kPorciones; ++i) {
        const int top = kTopLeyenda + i * kPasoLeyenda;
        auto* m = new QFrame(marcoCostes_);
        m->setFrameStyle(QFrame::Box | QFrame::Plain);
        m->setAutoFillBackground(true);
        Colorear(m, QPalette::Window, kColoresMuestras[i]);
        m->setGeometry(Px(QRect(kLeftMuestra, top + (kPasoLeyenda - kLadoMuestra) / 2, kLadoMuestra, kLadoMuestra)));
        m->setFocusPolicy(Qt::StrongFocus);
        m->installEventFilter(this);
        muestras_[i] = m;
        leyendas_[i] = Rotulo(marcoCostes_, QString::fromUtf8(Leyenda(i)),
                              QRect(kLeftLeyenda, top, kAnchoLeyenda, kPasoLeyenda), true);
    }

    std::array<MarcoHoja*, 4> familias{};
    for (size_t k = 0; k < kFamilias.size(); ++k) {
        const Familia& f = kFamilias[k];
        familias[k] = new MarcoHoja(QString::fromUtf8(kTitulosFamilias[k]), f.fondo, marcoCostes_);
        familias[k]->setFont(Fuente(true));
        familias[k]->FijarColorTitulo(f.texto);
        familias[k]->setGeometry(Px(QRect(kLeftFamilia, f.top, ancho - 2 * kLeftFamilia, f.alto)));
    }
    for (const LineaExplicacion& e : kExplicaciones) {
        QLabel* l = Rotulo(familias[e.familia], QString::fromUtf8(e.texto),
                           QRect(e.left, 270 + e.linea * kPasoExplicacion, e.ancho, e.lineas * kPasoExplicacion),
                           e.linea == 0, kFamilias[e.familia].texto, Qt::AlignLeft | Qt::AlignTop);
        l->setWordWrap(e.lineas > 1);
    }
}

void VentanaResultados::ConstruirColumna(Columna c)
{
    const int ic = static_cast<int>(c);
    const bool referencia = c == Columna::O;
    auto* marco = new MarcoHoja(QString(), referencia ? kFondoReferencia : kFondoPersonal, marcoTitulo_);
    marco->setFont(Fuente(true));
    marco->setGeometry(Px(referencia ? kMarcoReferencia : kMarcoPersonal));
    marcosColumna_[ic] = marco;

    ConstruirEstructura(c, marco);
    auto* picture = new CuadroTarta(marco);
    picture->setGeometry(Px(QRect(QPoint(kLeftPicture, kTopLeyenda), kTamanoPicture)));
    picture->installEventFilter(this);
    pictures_[ic] = picture;

    ConstruirUnitarios(c, marco);
    for (QWidget* w : bloqueToneladas_)
        w->hide();
}

// The yearly cost structure: euros and percentages, row by row.
void VentanaResultados::ConstruirEstructura(Columna c, MarcoHoja* marco)
{
    const int ic = static_cast<int>(c);
    Rotulo(marco, QStringLiteral("Euros (€)"), QRect(kLeftEuros, kTopCabecera, kAnchoEuros, kAltoFila), true, Qt::black,
           Qt::AlignCenter);
    Rotulo(marco, QStringLiteral("%"), QRect(kLeftPorcentaje, kTopCabecera, kAnchoPorcentaje, kAltoFila), true,
           Qt::black, Qt::AlignCenter);
    for (const Fila& f : kFilas) {
        const QColor fondo = f.grupo ? kFondoValorGrupo : kFondoValor;
        valores_[ic][f.r] = EtiquetaValor(marco, QRect(kLeftEuros, f.top, kAnchoEuros, kAltoFila), fondo, Qt::black);
        valores_[ic][campos::R::PorcentajeDe({Hoja::R, f.r}).i] =
            EtiquetaValor(marco, QRect(kLeftPorcentaje, f.top, kAnchoPorcentaje, kAltoFila), fondo, Qt::black);
    }
}

// The unit costs, in the four coloured families of the explanation frames.
void VentanaResultados::ConstruirUnitarios(Columna c, MarcoHoja* marco)
{
    const int ic = static_cast<int>(c);
    const bool referencia = c == Columna::O;
    std::array<MarcoHoja*, 4> familias{};
    for (size_t k = 0; k < kFamilias.size(); ++k) {
        const Familia& f = kFamilias[k];
        familias[k] = new MarcoHoja(QString(), f.fondo, marco);
        familias[k]->setGeometry(Px(QRect(kLeftFamilia, f.top, kAnchoFamiliaColumna, f.alto)));
        QFrame* linea = Separador(familias[k], kTopSeparador[k], kAnchoFamiliaColumna);
        if (referencia && k == 3)
            bloqueToneladas_.push_back(linea);
    }
    for (const LineaUnitaria& u : kUnitarias) {
        const Campo& campo = CampoDe(Hoja::R, u.r);
        const QColor color = kFamilias[u.familia].texto;
        MarcoHoja* destino = familias[u.familia];
        std::vector<QLabel*> rotulos;
        if (EsCantidad(u.r)) {
            rotulos.push_back(Rotulo(destino, QString::fromUtf8(campo.etiqueta),
                                     QRect(kLeftCantidad, u.top, kAnchoCantidad, kAltoTexto), false));
            valores_[ic][u.r] = EtiquetaValor(
                destino, QRect(kLeftValorCantidad, u.top, kAnchoValorCantidad, kAltoTexto), kFondoValor, Qt::black);
        } else {
            rotulos.push_back(Rotulo(destino, QString::fromUtf8(campo.etiqueta),
                                     QRect(kLeftCoste, u.top, kAnchoCoste, kAltoTexto), true, color));
            valores_[ic][u.r] =
                EtiquetaValor(destino, QRect(kLeftValorCoste, u.top, kAnchoValorCoste, kAltoTexto), kFondoValor, color);
            valores_[ic][u.r]->setFont(Fuente(true));
            rotulos.push_back(Rotulo(destino, QString::fromUtf8(campo.unidad),
                                     QRect(kLeftUnidad, u.top, kAnchoUnidad, kAltoTexto), true, color));
        }
        // The reference data carries no tonnage.
        if (referencia && EsBloqueToneladas(u.r)) {
            for (QLabel* l : rotulos) {
                l->hide();
                bloqueToneladas_.push_back(l);
            }
        }
    }
}

void VentanaResultados::Refrescar()
{
    const Pantalla& pantalla = documento().pantalla;
    marcoTitulo_->FijarTitulo(pantalla.titulo(Hoja::R));
    marcosColumna_[kIndiceS]->FijarTitulo(pantalla.marcoPersonal(Hoja::R));
    marcosColumna_[kIndiceO]->FijarTitulo(pantalla.marcoReferencia(Hoja::R));

    // The slices take the swatches' colours, and so do the legend captions,
    // darkened where the frame's background would swallow them.
    for (int i = 0; i < kPorciones; ++i)
        Colorear(leyendas_[i], QPalette::WindowText,
                 ColorDeTexto(muestras_[i]->palette().color(QPalette::Window), marcoCostes_->fondo()));
    RefrescarColumna(Columna::S);
    RefrescarColumna(Columna::O);
}

void VentanaResultados::RefrescarColumna(Columna c)
{
    const int ic = static_cast<int>(c);
    const Documento& doc = documento();
    for (int i = 1; i <= NumeroDeCampos(Hoja::R); ++i) {
        const Caja& caja = doc.pantalla.caja(Hoja::R, c, i);
        PonerTexto(valores_[ic][i], caja.texto);
        PonerVisible(valores_[ic][i], caja.visible && !(c == Columna::O && EsBloqueToneladas(i)));
    }

    std::array<double, kPorciones> porcentajes{};
    std::array<QColor, kPorciones> colores{};
    const Arreglo& r = doc.calculo.Columna(c).R;
    for (int i = 0; i < kPorciones; ++i) {
        porcentajes[i] = r(campos::R::PorcentajeDe({Hoja::R, kIndicePorcion[i]}).i).numeroOCero();
        colores[i] = muestras_[i]->palette().color(QPalette::Window);
    }
    const QColor fondo = c == Columna::S ? kFondoPersonal : kFondoReferencia;
    pictures_[ic]->setTarta(ComponerTarta(QSizeF(kTamanoPicture), porcentajes, colores, doc.calculo.Local, fondo));
}

void VentanaResultados::ActualizarYMostrar()
{
    if (actualizando_)
        return;
    actualizando_ = true;
    Actualizar(documento());
    Refrescar();
    actualizando_ = false;
}

void VentanaResultados::Activar() { ActualizarYMostrar(); }

void VentanaResultados::paintEvent(QPaintEvent*) { ActualizarYMostrar(); }

void VentanaResultados::FijarColorTitulo(const QColor& color) { marcoTitulo_->FijarFondo(color); }

VentanaHoja::PosicionCampo VentanaResultados::PosicionControlActivo() const
{
    const QWidget* foco = focusWidget();
    if (!foco || foco == this || !isAncestorOf(foco))
        return {};
    const QPoint p = foco->mapTo(marcoTitulo_, QPoint(0, 0));
    const int alto = Twips(foco->height());
    return {180 + alto + Twips(p.y()), 180 + Twips(p.x()), alto};
}

bool VentanaResultados::eventFilter(QObject* objeto, QEvent* e)
{
    if (e->type() == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(e)->key();
        if (tecla == Qt::Key_PageUp || tecla == Qt::Key_PageDown) {
            emit teclaPagina(tecla == Qt::Key_PageUp ? kTeclaRePag : kTeclaAvPag);
            return true;
        }
    }
    return VentanaHoja::eventFilter(objeto, e);
}

const Tarta& VentanaResultados::tarta(Columna c) const { return pictures_[static_cast<int>(c)]->tarta(); }
QWidget* VentanaResultados::picture(Columna c) const { return pictures_[static_cast<int>(c)]; }
QLabel* VentanaResultados::valor(Columna c, int i) const
{
    return valores_[static_cast<int>(c)].at(static_cast<size_t>(i));
}
QLabel* VentanaResultados::leyenda(int i) const { return leyendas_.at(static_cast<size_t>(i)); }
QWidget* VentanaResultados::muestra(int i) const { return muestras_.at(static_cast<size_t>(i)); }

VentanaHoja* CrearVentanaResultados(Documento& doc, QWidget* padre) { return new VentanaResultados(doc, padre); }

} // namespace tarvia
