#include "results/ventana_comparar.h"

#include "core/catalogo.h"
#include "core/grupos.h"
#include "engine/resultados.h"
#include "presentacion/informes.h"
#include "results/disposicion.h"
#include "results/exportar.h"
#include "results/pintar_informe.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChartView>
#include <QDialogButtonBox>
#include <QFile>
#include <QHeaderView>
#include <QPushButton>
#include <QSaveFile>
#include <QSplitter>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <vector>

namespace tarvia {

VentanaComparar::VentanaComparar(const Documento& doc, const QStringList& archivos, AvisoExportacion avisar,
                                 QWidget* dueno)
    : QDialog(dueno), loc_(doc.calculo.Local), avisar_(std::move(avisar))
{
    setObjectName(QStringLiteral("frmComparar"));
    setWindowTitle(QStringLiteral("Comparar cálculos"));
    // The open calculation as it stands, then each file as it opens.
    Documento abierto = doc;
    ResultadoArchivo primero;
    primero.archivo = doc.calculo.RutaArchivo.isEmpty() ? QStringLiteral("Cálculo abierto") : doc.calculo.RutaArchivo;
    primero.descripcion = doc.calculo.Personal[campos::C::Descripcion].comoTexto();
    Actualizar(abierto);
    primero.R = abierto.calculo.Personal.R;
    columnas_.push_back(primero);
    for (ResultadoArchivo& r : Comparar(archivos, loc_))
        columnas_.push_back(std::move(r));

    tabla_ = new QTableWidget(this);
    tabla_->setObjectName(QStringLiteral("Tabla"));
    LlenarTabla();

    // Side by side: under the table the chart's thirteen-line legend would
    // not fit the height of a laptop's screen.
    auto* division = new QSplitter(Qt::Horizontal, this);
    division->addWidget(tabla_);
    division->addWidget(Grafico());
    division->setSizes({760, 560}); // two calculations and their difference without scrolling

    auto* botones = new QDialogButtonBox(this);
    QPushButton* csv = botones->addButton(QStringLiteral("Exportar CSV…"), QDialogButtonBox::ActionRole);
    QPushButton* pdf = botones->addButton(QStringLiteral("Guardar como PDF…"), QDialogButtonBox::ActionRole);
    QPushButton* imprimir = botones->addButton(QStringLiteral("Imprimir"), QDialogButtonBox::ActionRole);
    // On the default printer, as the sheets print; without one, offered as a PDF.
    connect(imprimir, &QPushButton::clicked, this, [this] { ImprimirInforme(InformeActual(), this, avisar_); });
    botones->addButton(QStringLiteral("Cerrar"), QDialogButtonBox::RejectRole);
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);
    AlPulsarGuardarComo(csv, this, QStringLiteral("Exportar CSV"), QStringLiteral("CSV (*.csv)"), avisar_,
                        [this](const QString& ruta) { return ExportarCsv(ruta); });
    AlPulsarGuardarComo(pdf, this, QStringLiteral("Guardar como PDF"), QStringLiteral("PDF (*.pdf)"), avisar_,
                        [this](const QString& ruta) { return GuardarPdf(ruta); });

    auto* capa = new QVBoxLayout(this);
    capa->addWidget(division);
    capa->addWidget(botones);
    resize(1340, 660);
}

void VentanaComparar::LlenarTabla()
{
    // Each vehicle, and after each but the first its difference to the first.
    QStringList cabeceras;
    for (size_t k = 0; k < columnas_.size(); ++k) {
        const ResultadoArchivo& c = columnas_[k];
        cabeceras << QStringLiteral("[%1] %2").arg(k + 1).arg(c.error.isEmpty() ? c.descripcion : c.archivo);
        if (k > 0)
            cabeceras << QStringLiteral("[%1] − [1]").arg(k + 1);
    }
    tabla_->setColumnCount(static_cast<int>(cabeceras.size()));
    tabla_->setHorizontalHeaderLabels(cabeceras);
    tabla_->setRowCount(static_cast<int>(campos::kFilasComparacion.size()));
    QStringList rotulos;
    for (CampoDeHoja r : campos::kFilasComparacion)
        rotulos << RotuloDeResultado(r);
    tabla_->setVerticalHeaderLabels(rotulos);
    for (size_t f = 0; f < campos::kFilasComparacion.size(); ++f) {
        const int r = campos::kFilasComparacion[f].i;
        const int dec = Decimales(Hoja::R, r);
        const double base = columnas_[0].R(r).numeroOCero();
        int col = 0;
        for (size_t k = 0; k < columnas_.size(); ++k) {
            const ResultadoArchivo& c = columnas_[k];
            const bool hay = c.error.isEmpty();
            const double x = hay ? c.R(r).numeroOCero() : 0;
            auto celda = [&](QTableWidgetItem* item) { tabla_->setItem(static_cast<int>(f), col++, item); };
            auto texto = [](const QString& t) {
                auto* item = new QTableWidgetItem(t);
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                return item;
            };
            celda(hay ? CeldaNumero(x, dec, loc_) : texto(c.error));
            if (k > 0)
                celda(hay ? CeldaNumero(x - base, dec, loc_) : texto(QString()));
        }
    }
    tabla_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

QWidget* VentanaComparar::Grafico()
{
    // One stacked bar per vehicle: the thirteen headings of the pie charts, in their colours.
    auto* serie = new QStackedBarSeries;
    std::vector<double> alturas(columnas_.size(), 0.0);
    for (int p = 0; p < kPorciones; ++p) {
        auto* conjunto = new QBarSet(QString::fromUtf8(resultados::Leyenda(static_cast<size_t>(p))));
        conjunto->setColor(resultados::kColoresMuestras[static_cast<size_t>(p)]);
        for (size_t k = 0; k < columnas_.size(); ++k) {
            const ResultadoArchivo& c = columnas_[k];
            const double x = c.error.isEmpty() ? c.R(kIndicePorcion[static_cast<size_t>(p)]).numeroOCero() : 0.0;
            *conjunto << x;
            alturas[k] += x;
        }
        serie->append(conjunto);
    }
    auto* grafico = new QChart;
    grafico->addSeries(serie);
    QStringList nombres;
    for (size_t k = 0; k < columnas_.size(); ++k)
        nombres << QStringLiteral("[%1]").arg(k + 1);
    auto* x = new QBarCategoryAxis;
    x->append(nombres);
    auto* y = new QValueAxis;
    y->setTitleText(QStringLiteral("Euros al año"));
    resultados::EjeRedondo(y, 0, alturas.empty() ? 0 : *std::max_element(alturas.begin(), alturas.end()));
    grafico->addAxis(x, Qt::AlignBottom);
    grafico->addAxis(y, Qt::AlignLeft);
    serie->attachAxis(x);
    serie->attachAxis(y);
    grafico->legend()->setAlignment(Qt::AlignRight);
    grafico->setTitle(QStringLiteral("Estructura de costes anual"));
    grafico->setLocalizeNumbers(true);
    grafico->setLocale(resultados::LocaleDeLosEjes(loc_));
    auto* vista = new QChartView(grafico);
    vista->setRenderHint(QPainter::Antialiasing);
    // The legend clips the lines it has no height for and elides the texts
    // it has no width for (it gets only part of the chart's width): the view
    // is tall enough for the thirteen lines and wide enough for the longest.
    const QFontMetrics letra(grafico->legend()->font());
    const QFontMetrics titulo(grafico->titleFont());
    int texto = 0;
    for (const QBarSet* c : serie->barSets())
        texto = std::max(texto, letra.horizontalAdvance(c->label()));
    const int alto = kPorciones * (letra.height() + 8) + titulo.height() + 80;
    vista->setMinimumSize(std::max(480, 3 * (texto + 50)), std::max(360, alto));
    return vista;
}

QString VentanaComparar::Csv() const { return TablaCsv(*tabla_, true, loc_, QStringLiteral("Concepto")); }

FalloArchivo VentanaComparar::ExportarCsv(const QString& ruta) const
{
    return InformarExportacion(GrabarCsv(ruta, Csv()), ruta, avisar_);
}

Informe VentanaComparar::InformeActual() const { return InformeComparacion(columnas_, QDate::currentDate(), loc_); }

FalloArchivo VentanaComparar::GuardarPdf(const QString& ruta)
{
    return InformarExportacion(InformeAPdf(InformeActual(), ruta), ruta, avisar_);
}

} // namespace tarvia
