#include "shell/patillas.h"
#include "sheets/fuentes.h"

#include "sheets/colores.h"
#include "sheets/marco_hoja.h"
#include "sheets/twips.h"

#include <QLabel>
#include <QVBoxLayout>
#include <optional>

namespace tarvia {

namespace {

struct BotonDiseno {
    const char* nombre;
    const char* titulo;
    QRect rect; // twips on the strip
    std::optional<Hoja> hoja;
};

// In tab order; FrameTodos is drawn behind the six cost buttons.
const BotonDiseno kBotones[] = {
    {"cmbCaracteristicas", "Características Técnicas y de Explotación", QRect(120, 300, 1395, 1215), Hoja::C},
    {"cmbCostesF1", "Vehículo de Tracción", QRect(1620, 300, 915, 1215), Hoja::F1},
    {"cmbCostesF2", "Semirremolque, Remolque y Equipos Auxiliares", QRect(2640, 300, 1395, 1215), Hoja::F2},
    {"cmbCostesF3", "Personal, Seguros y Costes Fiscales", QRect(4140, 300, 975, 1215), Hoja::F3},
    {"cmbCostesV", "Carburante, Urea, Neumáticos, Mantenimiento, Reparaciones y Peajes", QRect(5220, 300, 1695, 1215),
     Hoja::V},
    {"cmbIndirectos", "Costes Indirectos", QRect(7020, 300, 975, 1215), Hoja::I},
    {"cmbResultados", "Resultados", QRect(8100, 300, 1095, 1215), Hoja::R},
    {"cmbCerrar", "Cerrar", QRect(10980, 420, 915, 375), std::nullopt},
    {"cmbGrabar", "Grabar", QRect(10980, 900, 915, 375), std::nullopt},
    {"cmbServicio", "Costes de un servicio concreto", QRect(9360, 540, 1215, 735), Hoja::S},
};

} // namespace

BotonPatilla::BotonPatilla(const QString& titulo, QWidget* padre) : QPushButton(padre)
{
    setFocusPolicy(Qt::ClickFocus); // a click commits the field being edited
    texto_ = new QLabel(titulo, this);
    texto_->setFont(Fuente(true));
    texto_->setWordWrap(true);
    texto_->setAlignment(Qt::AlignCenter);
    texto_->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* capa = new QVBoxLayout(this);
    capa->setContentsMargins(3, 2, 3, 2);
    capa->addWidget(texto_);
    setAccessibleName(titulo);
}

void BotonPatilla::FijarCara(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::Button, color);
    setPalette(p);
}

QColor BotonPatilla::Cara() const { return palette().color(QPalette::Button); }
QString BotonPatilla::Titulo() const { return texto_->text(); }

Patillas::Patillas(QWidget* padre) : QWidget(padre)
{
    setObjectName(QStringLiteral("Patillas"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(colores::Patillas));
    setPalette(p);
    setFixedHeight(Px(1695));

    todos_ = new MarcoHoja(this);
    todos_->setObjectName(QStringLiteral("FrameTodos"));
    todos_->setFont(Fuente(true));
    todos_->FijarTitulo(QStringLiteral("Costes repercutidos a todos los servicios"));
    todos_->FijarFondo(QColor(colores::FrameTodos));
    todos_->setGeometry(Px(QRect(1560, 60, 7695, 1515)));

    for (const BotonDiseno& d : kBotones) {
        auto* boton = new BotonPatilla(QString::fromUtf8(d.titulo), this);
        boton->setObjectName(QString::fromUtf8(d.nombre));
        boton->setGeometry(Px(d.rect));
        boton->FijarCara(QColor(colores::CaraBoton));
        boton->raise();
        if (d.hoja) {
            const Hoja h = *d.hoja;
            hojas_[static_cast<size_t>(Indice(h))] = boton;
            connect(boton, &QPushButton::clicked, this, [this, h] { emit hojaPulsada(h); });
        }
    }
    cerrar_ = findChild<BotonPatilla*>(QStringLiteral("cmbCerrar"));
    grabar_ = findChild<BotonPatilla*>(QStringLiteral("cmbGrabar"));
    connect(cerrar_, &QPushButton::clicked, this, &Patillas::cerrarPulsado);
    connect(grabar_, &QPushButton::clicked, this, &Patillas::grabarPulsado);
    Boton(Hoja::C)->FijarCara(QColor(colores::BotonCaracteristicas));
}

} // namespace tarvia
