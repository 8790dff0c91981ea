#include "sheets/hoja_disenada.h"
#include "sheets/fuentes.h"
#include "sheets/medidas.h"

#include "core/catalogo.h"
#include "engine/opciones.h"
#include "sheets/colores.h"
#include "sheets/marco_hoja.h"
#include "sheets/twips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

#include <algorithm>

namespace tarvia {

namespace {

constexpr int kMargen = medidas::kMargenHoja;

void PintarFondoCaja(QLineEdit& caja, Fondo fondo)
{
    const QColor color(fondo == Fondo::Editable ? colores::Editable : colores::SoloLectura);
    if (caja.palette().color(QPalette::Disabled, QPalette::Base) == color &&
        caja.palette().color(QPalette::Active, QPalette::Base) == color)
        return;
    QPalette p = caja.palette();
    p.setColor(QPalette::Base, color); // every colour group
    // Disabled figures keep the box's own text colour.
    p.setColor(QPalette::Disabled, QPalette::Text, p.color(QPalette::Active, QPalette::Text));
    caja.setPalette(p);
}

// The "-" before a label, level with its first line whether or not it wraps.
void PonerMarcador(QLabel& etiqueta)
{
    auto* guion = new QLabel(QStringLiteral("-"), etiqueta.parentWidget());
    guion->setFont(etiqueta.font());
    const QRect r = etiqueta.geometry();
    const int linea = QFontMetrics(etiqueta.font()).height();
    const int texto = std::min(r.height(), etiqueta.heightForWidth(r.width()));
    const int arriba = r.top() + std::max(0, (r.height() - texto) / 2);
    guion->setGeometry(r.left() - Px(150), arriba, Px(120), linea);
}

} // namespace

HojaDisenada::HojaDisenada(Documento& doc, const DisenoHoja& diseno, QWidget* padre)
    : VentanaHoja(doc, diseno.hoja, padre), diseno_(diseno)
{
    setObjectName(QString::fromUtf8(NombreFormulario(diseno.hoja)));
    setFont(Fuente(false));
    setAutoFillBackground(true);
    resize(Px(diseno.tamano));

    titulo_ = new MarcoHoja(this);
    titulo_->setObjectName(QStringLiteral("Frame1"));
    titulo_->setFont(Fuente(true, 9.75));
    titulo_->setGeometry(Px(diseno.titulo));

    const int n = NumeroDeCampos(diseno.hoja) + 1;
    desplazamientoCaja_.assign(static_cast<size_t>(n), QPoint());
    desplazamientoOpcion_.assign(static_cast<size_t>(n), {});
    Construir(Columna::S);
    if (!diseno.columnaO.isEmpty())
        Construir(Columna::O);
    FijarOrdenTab();
    Refrescar();
}

QWidget* HojaDisenada::MarcoPadre(Columna c, int id) const
{
    if (id == 0)
        return columnas_[static_cast<int>(c)];
    const auto& marcos = marcos_[static_cast<int>(c)];
    for (size_t k = 0; k < diseno_.marcos.size(); ++k)
        if (diseno_.marcos[k].id == id)
            return marcos[k];
    return columnas_[static_cast<int>(c)];
}

void HojaDisenada::Construir(Columna c)
{
    auto* columna = new MarcoHoja(titulo_);
    const bool personal = c == Columna::S;
    columna->setObjectName(personal ? QStringLiteral("FrameS") : QStringLiteral("FrameO"));
    columna->setFont(Fuente(true));
    columna->setGeometry(Px(personal ? diseno_.columnaS : diseno_.columnaO));
    columna->FijarFondo(QColor(personal ? diseno_.fondoColumnaS : diseno_.fondoColumnaO));
    columnas_[static_cast<int>(c)] = columna;

    const std::vector<QPoint> origenMarco = ConstruirMarcos(c);
    // Offset of a frame from the outermost frame, in twips.
    const QPoint origen = (personal ? diseno_.columnaS : diseno_.columnaO).topLeft();
    const OrigenDeMarco origenDe = [&](int id) {
        for (size_t m = 0; m < diseno_.marcos.size(); ++m)
            if (diseno_.marcos[m].id == id)
                return origenMarco[m];
        return origen;
    };
    ConstruirEtiquetas(c);
    ConstruirCajas(c, origenDe);
    ConstruirOpciones(c, origenDe);
    ConectarOpciones(c);
}

std::vector<QPoint> HojaDisenada::ConstruirMarcos(Columna c)
{
    const int k = static_cast<int>(c);
    const bool personal = c == Columna::S;
    const QPoint origen = (personal ? diseno_.columnaS : diseno_.columnaO).topLeft();
    std::vector<QPoint> origenMarco;
    // A frame lies inside its parent, drawn before it.
    auto OrigenDe = [&](int id) {
        for (size_t m = 0; m < origenMarco.size(); ++m)
            if (diseno_.marcos[m].id == id)
                return origenMarco[m];
        return origen;
    };
    Columnas& col = col_[k];
    for (const MarcoDiseno& m : diseno_.marcos) {
        auto* marco = new MarcoHoja(MarcoPadre(c, m.padre));
        marco->setFont(Fuente(true));
        marco->setGeometry(Px(m.rect));
        marco->FijarTitulo(QString::fromUtf8(m.titulo));
        marco->FijarFondo(QColor(personal ? m.fondoS : m.fondoO));
        if (m.nombre)
            marco->setObjectName(
                QStringLiteral("Frame%1%2").arg(QChar(personal ? u'S' : u'O')).arg(QString::fromUtf8(m.nombre)));
        if (personal && m.ayudaDe)
            marco->setToolTip(QString::fromUtf8(CampoDe(diseno_.hoja, m.ayudaDe).ayuda));
        origenMarco.push_back(OrigenDe(m.padre) + m.rect.topLeft());
        marcos_[k].push_back(marco);
        if (m.conmutado)
            col.conmutados.emplace_back(*m.conmutado, marco);
    }

    return origenMarco;
}

void HojaDisenada::ConstruirEtiquetas(Columna c)
{
    const int k = static_cast<int>(c);
    const bool personal = c == Columna::S;
    Columnas& col = col_[k];
    for (const EtiquetaDiseno& e : diseno_.etiquetas) {
        if (!personal && e.soloPersonal)
            continue;
        auto* etiqueta = new QLabel(QString::fromUtf8(e.texto), MarcoPadre(c, e.marco));
        etiqueta->setFont(Fuente(e.negrita));
        etiqueta->setWordWrap(true);
        etiqueta->setAlignment(e.centrada ? Qt::AlignHCenter | Qt::AlignBottom : Qt::AlignLeft | Qt::AlignVCenter);
        etiqueta->setGeometry(Px(e.rect));
        if (qAlpha(e.color) || qAlpha(e.fondo)) {
            QPalette p = etiqueta->palette();
            if (qAlpha(e.color))
                p.setColor(QPalette::WindowText, QColor(e.color));
            if (qAlpha(e.fondo))
                p.setColor(QPalette::Window, QColor(e.fondo));
            etiqueta->setPalette(p);
            etiqueta->setAutoFillBackground(qAlpha(e.fondo) != 0);
        }
        if (e.recuadro)
            etiqueta->setFrameShape(QFrame::Box);
        if (e.sigueCaja)
            col.etiquetasDeCaja.emplace_back(e.sigueCaja, etiqueta);
        etiquetas_[k].push_back(etiqueta);
        if (e.marcador)
            PonerMarcador(*etiqueta);
    }
}

void HojaDisenada::ConstruirCajas(Columna c, const OrigenDeMarco& OrigenDe)
{
    const int k = static_cast<int>(c);
    const bool personal = c == Columna::S;
    Columnas& col = col_[k];
    const Hoja h = diseno_.hoja;
    col.cajas.assign(static_cast<size_t>(NumeroDeCampos(h) + 1), nullptr);
    for (const CajaDiseno& d : diseno_.cajas) {
        QWidget* padre = MarcoPadre(c, d.marco);
        QLineEdit* caja = personal ? new CajaTexto(*this, d.indice, padre) : new QLineEdit(padre);
        const Campo& campo = CampoDe(h, d.indice);
        caja->setObjectName(QStringLiteral("Text%1%2(%3)")
                                .arg(QChar(personal ? u'S' : u'O'))
                                .arg(QString::fromUtf8(Codigo(h)))
                                .arg(d.indice));
        caja->setFont(Fuente(false));
        caja->setGeometry(Px(d.rect));
        caja->setFrame(true);
        caja->setTextMargins(1, 0, 1, 0);
        if (campo.maxLength > 0)
            caja->setMaxLength(campo.maxLength);
        if (campo.esNumerico())
            caja->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        {
            QPalette p = caja->palette();
            p.setColor(QPalette::Text, QColor(qAlpha(d.color) ? d.color : colores::Texto));
            caja->setPalette(p);
        }
        if (personal) {
            caja->setToolTip(QString::fromUtf8(campo.ayuda));
            desplazamientoCaja_[static_cast<size_t>(d.indice)] = OrigenDe(d.marco) + d.rect.topLeft();
        } else {
            caja->setFocusPolicy(Qt::NoFocus);
            caja->setReadOnly(true);
        }
        col.cajas[static_cast<size_t>(d.indice)] = caja;
    }
}

void HojaDisenada::ConstruirOpciones(Columna c, const OrigenDeMarco& OrigenDe)
{
    const bool personal = c == Columna::S;
    const Hoja h = diseno_.hoja;
    Columnas& col = col_[static_cast<int>(c)];
    col.opciones.assign(static_cast<size_t>(NumeroDeCampos(h) + 1), {nullptr, nullptr});
    for (const OpcionDiseno& o : diseno_.opciones) {
        auto* boton = new QRadioButton(QString::fromUtf8(o.texto), MarcoPadre(c, o.marco));
        boton->setFont(Fuente(true));
        boton->setGeometry(Px(o.rect));
        boton->setObjectName(QStringLiteral("Option%1(%2)").arg(QChar(personal ? u'S' : u'O')).arg(o.indice));
        if (personal) {
            boton->setToolTip(QString::fromUtf8(CampoDe(h, o.indice).ayuda));
            boton->installEventFilter(this);
            desplazamientoOpcion_[static_cast<size_t>(o.indice)][o.boton - 1] = OrigenDe(o.marco) + o.rect.topLeft();
        } else {
            boton->setEnabled(false); // the reference column cannot be changed
            boton->setFocusPolicy(Qt::NoFocus);
        }
        col.opciones[static_cast<size_t>(o.indice)][o.boton - 1] = boton;
    }
}

void HojaDisenada::ConectarOpciones(Columna c)
{
    Columnas& col = col_[static_cast<int>(c)];
    for (size_t i = 0; i < col.opciones.size(); ++i) {
        auto& par = col.opciones[i];
        if (!par[0] && !par[1])
            continue;
        // Each pair is its own group, whatever frame its buttons sit in.
        auto* grupo = new QButtonGroup(this);
        grupo->setExclusive(false);
        for (int b = 0; b < 2; ++b) {
            if (!par[b])
                continue;
            par[b]->setAutoExclusive(false);
            grupo->addButton(par[b], b + 1);
        }
        if (c == Columna::S) {
            const int campo = static_cast<int>(i);
            connect(grupo, &QButtonGroup::idClicked, this, [this, campo](int boton) {
                PulsarOpcion(documento(), hoja(), Columna::S, campo, boton);
                Refrescar();
                TrasCambio();
            });
        }
    }
}

void HojaDisenada::FijarOrdenTab()
{
    std::vector<QWidget*> orden;
    const Columnas& col = col_[static_cast<int>(Columna::S)];
    auto Opciones = [&](int antesDe) {
        for (const OpcionDiseno& o : diseno_.opciones)
            if (o.antesDeCaja == antesDe)
                orden.push_back(col.opciones[static_cast<size_t>(o.indice)][o.boton - 1]);
    };
    Opciones(0);
    for (const CajaDiseno& d : diseno_.cajas) {
        Opciones(d.indice);
        orden.push_back(col.cajas[static_cast<size_t>(d.indice)]);
    }
    for (size_t k = 1; k < orden.size(); ++k)
        setTabOrder(orden[k - 1], orden[k]);
}

QLineEdit* HojaDisenada::Caja(Columna c, int indice) const
{
    const auto& cajas = col_[static_cast<int>(c)].cajas;
    if (indice < 1 || static_cast<size_t>(indice) >= cajas.size())
        return nullptr;
    return cajas[static_cast<size_t>(indice)];
}

QRadioButton* HojaDisenada::Opcion(Columna c, int indice, int boton) const
{
    const auto& opciones = col_[static_cast<int>(c)].opciones;
    if (indice < 1 || static_cast<size_t>(indice) >= opciones.size() || boton < 1 || boton > 2)
        return nullptr;
    return opciones[static_cast<size_t>(indice)][boton - 1];
}

void HojaDisenada::Refrescar()
{
    const Pantalla& p = documento().pantalla;
    const Hoja h = hoja();
    titulo_->FijarTitulo(p.titulo(h));
    columnas_[0]->FijarTitulo(p.marcoPersonal(h));
    if (columnas_[1])
        columnas_[1]->FijarTitulo(p.marcoReferencia(h));

    for (Columna c : {Columna::S, Columna::O}) {
        const Columnas& col = col_[static_cast<int>(c)];
        if (!columnas_[static_cast<int>(c)])
            continue;
        for (size_t i = 1; i < col.cajas.size(); ++i) {
            QLineEdit* caja = col.cajas[i];
            if (!caja)
                continue;
            const tarvia::Caja& m = p.caja(h, c, static_cast<int>(i));
            auto* personal = qobject_cast<CajaTexto*>(caja);
            const bool editando = personal && personal->editando(); // keeps what is typed so far
            if (!editando && caja->text() != m.texto) {
                caja->setText(m.texto);
                caja->setCursorPosition(0);
            }
            caja->setEnabled(c == Columna::S && m.habilitado);
            caja->setVisible(m.visible);
            PintarFondoCaja(*caja, m.fondo);
        }
        for (const auto& [indice, etiqueta] : col.etiquetasDeCaja)
            etiqueta->setVisible(p.caja(h, c, indice).visible);
        for (const auto& [marco, widget] : col.conmutados)
            widget->setVisible(p.marcoVisible(marco, c));
        for (size_t i = 1; i < col.opciones.size(); ++i)
            for (int b = 0; b < 2; ++b)
                if (QRadioButton* boton = col.opciones[i][b])
                    boton->setChecked(p.opcion(h, c, static_cast<int>(i)) == b + 1);
    }
}

void HojaDisenada::FijarColorTitulo(const QColor& color) { titulo_->FijarFondo(color); }

QWidget* HojaDisenada::ControlActivo() const
{
    auto Alcanzable = [this](QWidget* w) {
        return w && w->isEnabled() && !w->isHidden() && w->isVisibleTo(const_cast<HojaDisenada*>(this));
    };
    if (Alcanzable(activo_))
        return activo_;
    const Columnas& col = col_[static_cast<int>(Columna::S)];
    for (const OpcionDiseno& o : diseno_.opciones)
        if (QWidget* w = col.opciones[static_cast<size_t>(o.indice)][o.boton - 1]; Alcanzable(w))
            return w;
    for (const CajaDiseno& d : diseno_.cajas)
        if (QWidget* w = col.cajas[static_cast<size_t>(d.indice)]; Alcanzable(w))
            return w;
    return nullptr;
}

VentanaHoja::PosicionCampo HojaDisenada::PosicionControlActivo() const
{
    PosicionCampo pos;
    if (!activo_)
        return pos; // no active control: position 0
    QPoint desplazamiento;
    int alto = 0;
    if (auto* caja = qobject_cast<CajaTexto*>(activo_)) {
        desplazamiento = desplazamientoCaja_[static_cast<size_t>(caja->indice())];
        for (const CajaDiseno& d : diseno_.cajas)
            if (d.indice == caja->indice())
                alto = d.rect.height();
    } else {
        for (const OpcionDiseno& o : diseno_.opciones)
            if (Opcion(Columna::S, o.indice, o.boton) == activo_) {
                desplazamiento = desplazamientoOpcion_[static_cast<size_t>(o.indice)][o.boton - 1];
                alto = o.rect.height();
            }
    }
    pos.vertical = kMargen + alto + desplazamiento.y();
    pos.horizontal = kMargen + desplazamiento.x();
    pos.alto = alto;
    return pos;
}

void HojaDisenada::AlEntrar(CajaTexto& caja)
{
    activo_ = &caja;
    caja.Aplicar(MostrarParaEditar(documento(), hoja(), caja.indice()));
    emit controlEnfocado();
}

bool HojaDisenada::AlPulsar(CajaTexto& caja, QKeyEvent& ev)
{
    switch (ev.key()) {
    case Qt::Key_PageUp: emit teclaPagina(kTeclaRePag); return true;
    case Qt::Key_PageDown: emit teclaPagina(kTeclaAvPag); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        emit controlEnfocado();
        const Valor antes = documento().calculo.ValorAnterior;
        const ResultadoTecla r = PulsarTecla(documento(), hoja(), caja.indice(), caja.Estado(), kTeclaIntro);
        Refrescar();
        caja.Aplicar(r.estado);
        TrasCambio();
        AnotarDescuento(caja, true, antes); // a refused value is the old one: no note
        return true;
    }
    case Qt::Key_Backspace: emit controlEnfocado(); return false;
    default: break;
    }
    const QString texto = ev.text();
    const bool conModificador = ev.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (texto.isEmpty() || conModificador || texto[0].category() == QChar::Other_Control)
        return false; // caret movement, Delete, shortcuts: the box's own
    if (texto.size() != 1 || !texto[0].isPrint()) {
        // A character of two units (an emoji) or one that shows nothing:
        // a text box checks it as pasted text, a number box's parse drops it.
        if (Decimales(hoja(), caja.indice()) >= 0)
            return false;
        AlPegar(caja, texto);
        return true;
    }
    emit controlEnfocado();
    const bool decimalDelTeclado =
        (ev.modifiers() & Qt::KeypadModifier) && (ev.key() == Qt::Key_Period || ev.key() == Qt::Key_Comma);
    const QChar caracter = CaracterDeTecla(texto[0], decimalDelTeclado, Decimales(hoja(), caja.indice()),
                                           documento().calculo.Local.decimal);
    const ResultadoTecla r = PulsarTecla(documento(), hoja(), caja.indice(), caja.Estado(), caracter.unicode());
    caja.Aplicar(r.estado);
    if (r.pitido) {
        QApplication::beep();
        caja.Senalar(r.nota);
    }
    if (!documento().mensajes.empty())
        emit mensajesPendientes(); // a character the file cannot keep is named, not only beeped
    return true;
}

void HojaDisenada::AlPegar(CajaTexto& caja, const QString& texto)
{
    emit controlEnfocado();
    const ResultadoTecla r = PegarTexto(documento(), hoja(), caja.indice(), caja.Estado(), texto);
    caja.Aplicar(r.estado);
    if (r.pitido)
        QApplication::beep();
    if (!documento().mensajes.empty())
        emit mensajesPendientes();
}

void HojaDisenada::AlSalir(CajaTexto& caja)
{
    const Valor antes = documento().calculo.ValorAnterior;
    const bool aceptado = ConfirmarCampo(documento(), hoja(), caja.indice(), caja.text(), kTeclaSalida);
    Refrescar();
    TrasCambio();
    AnotarDescuento(caja, aceptado, antes);
}

// A list price just typed, whose discount is still taken off: said once per
// price while the calculation is open (the sheet lives as long as it).
void HojaDisenada::AnotarDescuento(CajaTexto& caja, bool aceptado, const Valor& antes)
{
    const Calculo& c = documento().calculo;
    if (!aceptado || c.Personal[hoja()](caja.indice()) == antes)
        return;
    const QString nota = NotaDeDescuento(c, hoja(), caja.indice());
    if (nota.isEmpty() || !descuentosAvisados_.insert(caja.indice()).second)
        return;
    documento().MostrarMensaje(nota, QStringLiteral("Descuento"));
    emit mensajesPendientes();
}

void HojaDisenada::ConfirmarEdicion()
{
    auto* caja = qobject_cast<CajaTexto*>(activo_);
    if (!caja || !caja->editando())
        return;
    ConfirmarCampo(documento(), hoja(), caja->indice(), caja->text(), kTeclaSalida);
    const EstadoEdicion e = MostrarParaEditar(documento(), hoja(), caja->indice());
    Refrescar();
    caja->Aplicar(e);
    TrasCambio();
}

bool HojaDisenada::eventFilter(QObject* objeto, QEvent* ev)
{
    // An option button of the personal column gaining the focus.
    if (ev->type() == QEvent::FocusIn) {
        activo_ = qobject_cast<QWidget*>(objeto);
        emit controlEnfocado();
    }
    return VentanaHoja::eventFilter(objeto, ev);
}

void HojaDisenada::TrasCambio()
{
    if (!documento().mensajes.empty())
        emit mensajesPendientes();
    emit modeloCambiado();
}

} // namespace tarvia
