#include "results/ventana_sensibilidad.h"

#include "core/campos.h"
#include "core/catalogo.h"
#include "presentacion/informes.h"
#include "results/disposicion.h"
#include "results/exportar.h"
#include "results/pintar_informe.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QSpinBox>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <cmath>
#include <utility>

namespace tarvia {

namespace {

// The inputs that move the cost most.
struct Variable {
    CampoDeHoja campo;
    const char* nombre;
};
constexpr std::array<Variable, 6> kVariables = {{
    {campos::C::KilometrosAnuales, "Kilómetros anuales"},
    {campos::C::HorasAnuales, "Horas anuales"},
    {campos::V::PrecioGasoleoEspanaConIva, "Precio del gasóleo en España (€/litro)"},
    {campos::V::Consumo, "Consumo (litros / 100 km)"},
    {campos::F3::CosteConductor, "Coste anual del conductor (€)"},
    {campos::F1::PrecioTarifa, "Precio de tarifa del vehículo de tracción (€)"},
}};

double Hoy(const Documento& doc, CampoDeHoja c) { return doc.calculo.Personal[c].numeroOCero(); }

} // namespace

VentanaSensibilidad::VentanaSensibilidad(const Documento& doc, AvisoExportacion avisar, QWidget* dueno)
    : QDialog(dueno), doc_(doc), avisar_(std::move(avisar))
{
    setObjectName(QStringLiteral("frmSensibilidad"));
    setWindowTitle(QStringLiteral("Sensibilidad"));
    variable_ = new QComboBox;
    for (const Variable& v : kVariables)
        variable_->addItem(QString::fromUtf8(v.nombre));
    const auto numero = [this] {
        auto* s = new QDoubleSpinBox;
        s->setLocale(resultados::LocaleDeLosEjes(doc_.calculo.Local));
        s->setRange(0, 1e7);
        s->setDecimals(4);
        return s;
    };
    desde_ = numero();
    hasta_ = numero();
    pasos_ = new QSpinBox;
    pasos_->setRange(2, 101);
    pasos_->setValue(11);
    precio_ = numero();
    precio_->setSpecialValueText(QStringLiteral("(ninguno)"));
    equilibrio_ = new QLabel;
    equilibrio_->setObjectName(QStringLiteral("lblEquilibrio"));

    auto* datos = new QFormLayout;
    datos->addRow(QStringLiteral("Variable"), variable_);
    datos->addRow(QStringLiteral("Desde"), desde_);
    datos->addRow(QStringLiteral("Hasta"), hasta_);
    datos->addRow(QStringLiteral("Puntos"), pasos_);
    datos->addRow(QStringLiteral("Precio por km (€)"), precio_);
    datos->addRow(QString(), equilibrio_);

    grafico_ = new QChart;
    grafico_->setLocalizeNumbers(true);
    grafico_->setLocale(resultados::LocaleDeLosEjes(doc_.calculo.Local));
    auto* vista = new QChartView(grafico_);
    vista->setRenderHint(QPainter::Antialiasing);
    vista->setMinimumHeight(320);
    tabla_ = new QTableWidget;
    tabla_->setObjectName(QStringLiteral("Tabla"));
    auto* division = new QSplitter(Qt::Vertical);
    division->addWidget(vista);
    division->addWidget(tabla_);

    auto* botones = new QDialogButtonBox;
    QPushButton* calcular = botones->addButton(QStringLiteral("Calcular"), QDialogButtonBox::ApplyRole);
    QPushButton* csv = botones->addButton(QStringLiteral("Exportar CSV…"), QDialogButtonBox::ActionRole);
    QPushButton* pdf = botones->addButton(QStringLiteral("Guardar como PDF…"), QDialogButtonBox::ActionRole);
    QPushButton* imprimir = botones->addButton(QStringLiteral("Imprimir"), QDialogButtonBox::ActionRole);
    // On the default printer, as the sheets print; without one, offered as a PDF.
    connect(imprimir, &QPushButton::clicked, this, [this] { ImprimirInforme(InformeActual(), this, avisar_); });
    botones->addButton(QStringLiteral("Cerrar"), QDialogButtonBox::RejectRole);
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(calcular, &QPushButton::clicked, this, &VentanaSensibilidad::Calcular);
    connect(variable_, &QComboBox::currentIndexChanged, this, &VentanaSensibilidad::ElegirVariable);
    AlPulsarGuardarComo(csv, this, QStringLiteral("Exportar CSV"), QStringLiteral("CSV (*.csv)"), avisar_,
                        [this](const QString& ruta) { return ExportarCsv(ruta); });
    AlPulsarGuardarComo(pdf, this, QStringLiteral("Guardar como PDF"), QStringLiteral("PDF (*.pdf)"), avisar_,
                        [this](const QString& ruta) { return GuardarPdf(ruta); });

    // The data beside the chart and its table, not above them: a laptop's
    // screen is wide, not tall.
    equilibrio_->setWordWrap(true);
    auto* izquierda = new QVBoxLayout;
    izquierda->addLayout(datos);
    izquierda->addStretch(1);
    auto* cuerpo = new QHBoxLayout;
    cuerpo->addLayout(izquierda);
    cuerpo->addWidget(division, 1);
    auto* capa = new QVBoxLayout(this);
    capa->addLayout(cuerpo, 1);
    capa->addWidget(botones);
    resize(1100, 640);
    ElegirVariable(0);
}

void VentanaSensibilidad::ElegirVariable(int k)
{
    const Variable& v = kVariables[static_cast<size_t>(std::clamp(k, 0, int(kVariables.size()) - 1))];
    const double hoy = Hoy(doc_, v.campo);
    const int decimales = std::max(0, Decimales(v.campo));
    desde_->setDecimals(decimales);
    hasta_->setDecimals(decimales);
    desde_->setValue(hoy * 0.5);
    hasta_->setValue(hoy * 1.5);
    Calcular();
}

void VentanaSensibilidad::Calcular()
{
    const Variable& v = kVariables[static_cast<size_t>(variable_->currentIndex())];
    const auto puntos = Sensibilidad(doc_, v.campo.hoja, v.campo.i, desde_->value(), hasta_->value(), pasos_->value());
    const Localizacion& loc = doc_.calculo.Local;

    tabla_->clear();
    tabla_->setColumnCount(4);
    tabla_->setHorizontalHeaderLabels({QString::fromUtf8(v.nombre), QStringLiteral("C1 (€/km)"),
                                       QStringLiteral("C2 (€/hora)"), QStringLiteral("Costes Totales (€)")});
    tabla_->setRowCount(static_cast<int>(puntos.size()));
    for (size_t f = 0; f < puntos.size(); ++f) {
        const PuntoSensibilidad& p = puntos[f];
        const auto celda = [&](int c, QTableWidgetItem* item) { tabla_->setItem(static_cast<int>(f), c, item); };
        celda(0, CeldaNumero(p.valor, std::max(0, Decimales(v.campo)), loc));
        if (p.rechazado) {
            celda(1, new QTableWidgetItem(
                         QString(p.mensaje).replace(QStringLiteral("\r\n"), QStringLiteral(" ")).simplified()));
            continue;
        }
        celda(1, CeldaNumero(p.R(campos::R::C1.i).numeroOCero(), 4, loc));
        celda(2, CeldaNumero(p.R(campos::R::C2.i).numeroOCero(), 2, loc));
        celda(3, CeldaNumero(p.R(campos::R::Totales.i).numeroOCero(), 2, loc));
    }
    tabla_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    equilibrio_->clear();
    puntos_ = puntos;
    kmEquilibrio_.reset();
    if (precio_->value() > 0) {
        const auto km = KilometrosDeEquilibrio(doc_, precio_->value());
        kmEquilibrio_ = km;
        equilibrio_->setText(km ? QStringLiteral("Equilibrio: a partir de %1 km al año C1 no supera el precio.")
                                      .arg(FormatearNumero(*km, 0, loc))
                                : QStringLiteral("Ni con el máximo de kilómetros anuales C1 baja de ese precio."));
    }
    Dibujar(puntos, Hoy(doc_, v.campo));
}

void VentanaSensibilidad::Dibujar(const std::vector<PuntoSensibilidad>& puntos, double hoy)
{
    grafico_->removeAllSeries();
    for (QAbstractAxis* eje : grafico_->axes())
        grafico_->removeAxis(eje);
    auto* c1 = new QLineSeries;
    c1->setName(QStringLiteral("C1 (€/km)"));
    auto* c2 = new QLineSeries;
    c2->setName(QStringLiteral("C2 (€/hora)"));
    for (const PuntoSensibilidad& p : puntos) {
        if (p.rechazado)
            continue;
        c1->append(p.valor, p.R(campos::R::C1.i).numeroOCero());
        c2->append(p.valor, p.R(campos::R::C2.i).numeroOCero());
    }
    // Each axis from its own data, with round ticks.
    const auto limites = [](const QLineSeries* s, auto coordenada) {
        double bajo = NAN, alto = NAN;
        for (const QPointF& p : s->points()) {
            bajo = std::isnan(bajo) ? coordenada(p) : std::min(bajo, coordenada(p));
            alto = std::isnan(alto) ? coordenada(p) : std::max(alto, coordenada(p));
        }
        return std::pair{bajo, alto};
    };
    const auto enX = [](const QPointF& p) { return p.x(); };
    const auto enY = [](const QPointF& p) { return p.y(); };
    auto* x = new QValueAxis;
    x->setTitleText(variable_->currentText());
    const auto [x0, x1] = limites(c1, enX);
    resultados::EjeRedondo(x, x0, x1);
    auto* y1 = new QValueAxis;
    y1->setTitleText(QStringLiteral("C1 (€/km)"));
    auto [y10, y11] = limites(c1, enY);
    if (precio_->value() > 0 && c1->count() > 0) {
        y10 = std::min(y10, precio_->value());
        y11 = std::max(y11, precio_->value());
    }
    resultados::EjeRedondo(y1, y10, y11);
    auto* y2 = new QValueAxis;
    y2->setTitleText(QStringLiteral("C2 (€/hora)"));
    const auto [y20, y21] = limites(c2, enY);
    resultados::EjeRedondo(y2, y20, y21);
    grafico_->addAxis(x, Qt::AlignBottom);
    grafico_->addAxis(y1, Qt::AlignLeft);
    grafico_->addAxis(y2, Qt::AlignRight);
    for (QLineSeries* s : {c1, c2}) {
        grafico_->addSeries(s);
        s->attachAxis(x);
        s->attachAxis(s == c1 ? y1 : y2);
    }
    // Today's value, marked on C1.
    auto* marca = new QScatterSeries;
    marca->setName(QStringLiteral("Hoy"));
    for (const PuntoSensibilidad& p : puntos)
        if (!p.rechazado && std::abs(p.valor - hoy) < 1e-9 * std::max(1.0, std::abs(hoy)))
            marca->append(p.valor, p.R(campos::R::C1.i).numeroOCero());
    grafico_->addSeries(marca);
    marca->attachAxis(x);
    marca->attachAxis(y1);
    if (precio_->value() > 0 && c1->count() > 0) {
        auto* linea = new QLineSeries;
        linea->setName(QStringLiteral("Precio por km"));
        linea->append(c1->at(0).x(), precio_->value());
        linea->append(c1->at(c1->count() - 1).x(), precio_->value());
        grafico_->addSeries(linea);
        linea->attachAxis(x);
        linea->attachAxis(y1);
    }
}

QString VentanaSensibilidad::Csv() const { return TablaCsv(*tabla_, false, doc_.calculo.Local); }

FalloArchivo VentanaSensibilidad::ExportarCsv(const QString& ruta) const
{
    return InformarExportacion(GrabarCsv(ruta, Csv()), ruta, avisar_);
}

Informe VentanaSensibilidad::InformeActual() const
{
    const Variable& v = kVariables[static_cast<size_t>(variable_->currentIndex())];
    PedidoSensibilidad pedido{doc_.calculo.Personal[campos::C::Descripcion].comoTexto(),
                              doc_.calculo.RutaArchivo,
                              v.campo,
                              Hoy(doc_, v.campo),
                              precio_->value() > 0 ? std::optional(precio_->value()) : std::nullopt,
                              kmEquilibrio_};
    return InformeSensibilidad(pedido, puntos_, QDate::currentDate(), doc_.calculo.Local);
}

FalloArchivo VentanaSensibilidad::GuardarPdf(const QString& ruta)
{
    return InformarExportacion(InformeAPdf(InformeActual(), ruta), ruta, avisar_);
}

} // namespace tarvia
