#include "results/ventana_revision_lista.h"

#include "core/campos.h"
#include "core/lectura.h"
#include "presentacion/informes.h"
#include "results/pintar_informe.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tarvia {

namespace {

// As tarvia-calc --revisar-lista reads it: a month of invoices is far below.
constexpr qint64 kTopeLista = 16 * 1024 * 1024;

QTableWidgetItem* Texto(const QString& t) { return new QTableWidgetItem(t); }

// A figure kept as text: a diesel price with its published decimals.
QTableWidgetItem* ADerecha(const QString& t)
{
    auto* item = new QTableWidgetItem(t);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

VentanaRevisionLista::VentanaRevisionLista(const Documento& doc, TablaIndices indices, TablaGasoleo precios, bool obra,
                                           AvisoExportacion avisar, QWidget* dueno)
    : QDialog(dueno), doc_(doc), indices_(std::move(indices)), precios_(std::move(precios)), obra_(obra),
      avisar_(std::move(avisar))
{
    setObjectName(QStringLiteral("frmRevisionLista"));
    setWindowTitle(QStringLiteral("Revisión por gasóleo de una lista de servicios"));
    auto* ayuda = new QLabel(QStringLiteral(
        "Pegue o importe la lista, un servicio por línea: referencia; fecha de contrato; fecha de servicio; precio "
        "pactado; y, si no son los de este cálculo, la MMA en kg y «sí» si es vehículo de obras."));
    ayuda->setWordWrap(true);
    lista_ = new QPlainTextEdit;
    lista_->setObjectName(QStringLiteral("txtLista"));
    lista_->setPlaceholderText(QStringLiteral("A-101;15/09/2025;10/03/2026;1250,00"));
    lista_->setMaximumHeight(130);

    tabla_ = new QTableWidget(0, 12);
    tabla_->setHorizontalHeaderLabels({QStringLiteral("Línea"), QStringLiteral("Referencia"),
                                       QStringLiteral("Contrato"), QStringLiteral("Servicio"), QStringLiteral("Meses"),
                                       QStringLiteral("€/l contrato"), QStringLiteral("€/l servicio"),
                                       QStringLiteral("G (%)"), QStringLiteral("IR"), QStringLiteral("Pactado (€)"),
                                       QStringLiteral("ΔP (€)"), QStringLiteral("Revisado (€)")});
    tabla_->verticalHeader()->hide();
    tabla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    totales_ = new QLabel;
    totales_->setObjectName(QStringLiteral("lblTotales"));
    totales_->setWordWrap(true);
    errores_ = new QListWidget;
    errores_->setMaximumHeight(90);

    auto* botones = new QDialogButtonBox;
    QPushButton* revisar = botones->addButton(QStringLiteral("Revisar"), QDialogButtonBox::ActionRole);
    QPushButton* importar = botones->addButton(QStringLiteral("Importar CSV…"), QDialogButtonBox::ActionRole);
    QPushButton* csv = botones->addButton(QStringLiteral("Exportar CSV…"), QDialogButtonBox::ActionRole);
    QPushButton* pdf = botones->addButton(QStringLiteral("Guardar como PDF…"), QDialogButtonBox::ActionRole);
    QPushButton* imprimir = botones->addButton(QStringLiteral("Imprimir"), QDialogButtonBox::ActionRole);
    botones->addButton(QStringLiteral("Cerrar"), QDialogButtonBox::RejectRole);
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(revisar, &QPushButton::clicked, this, &VentanaRevisionLista::Revisar);
    connect(importar, &QPushButton::clicked, this, [this] {
        const QString ruta = QFileDialog::getOpenFileName(this, QStringLiteral("Importar una lista de servicios"), {},
                                                          QStringLiteral("CSV (*.csv *.txt);;Todos (*)"));
        if (!ruta.isEmpty())
            Importar(ruta);
    });
    AlPulsarGuardarComo(csv, this, QStringLiteral("Exportar CSV"), QStringLiteral("CSV (*.csv)"), avisar_,
                        [this](const QString& ruta) { return ExportarCsv(ruta); });
    AlPulsarGuardarComo(pdf, this, QStringLiteral("Guardar como PDF"), QStringLiteral("PDF (*.pdf)"), avisar_,
                        [this](const QString& ruta) { return GuardarPdf(ruta); });
    connect(imprimir, &QPushButton::clicked, this, [this] { ImprimirInforme(InformeActual(), this, avisar_); });

    auto* capa = new QVBoxLayout(this);
    capa->addWidget(ayuda);
    capa->addWidget(lista_);
    capa->addWidget(tabla_, 1);
    capa->addWidget(totales_);
    capa->addWidget(new QLabel(QStringLiteral("Líneas no revisadas")));
    capa->addWidget(errores_);
    capa->addWidget(botones);
    resize(1000, 620);
    Revisar();
}

void VentanaRevisionLista::Revisar()
{
    CondicionesDeLista c;
    c.calculo = DatosDeRevisionDelCalculo(doc_);
    c.obra = obra_;
    revision_ = RevisarLista(lista_->toPlainText().toUtf8(), c, indices_, precios_);
    const Localizacion& loc = doc_.calculo.Local;
    const auto mes = [](Mes m) { return QStringLiteral("%1/%2").arg(m.mes, 2, 10, QChar(u'0')).arg(m.anio); };
    tabla_->setRowCount(0);
    tabla_->setRowCount(static_cast<int>(revision_.filas.size()));
    int f = 0;
    for (const FilaRevisada& r : revision_.filas) {
        const ServicioARevisar& s = r.servicio;
        tabla_->setItem(f, 0, ADerecha(QString::number(s.linea)));
        tabla_->setItem(f, 1, Texto(s.referencia));
        tabla_->setItem(f, 2, Texto(FormatearFecha(s.contrato, loc)));
        tabla_->setItem(f, 3, Texto(FormatearFecha(s.servicio, loc)));
        tabla_->setItem(f, 4, Texto(mes(r.precios.mesContrato) + QStringLiteral(" → ") + mes(r.precios.mesServicio)));
        tabla_->setItem(f, 5, ADerecha(PrecioGasoleoInforme(*r.precios.contrato, loc)));
        tabla_->setItem(f, 6, ADerecha(PrecioGasoleoInforme(*r.precios.servicio, loc)));
        tabla_->setItem(f, 7, CeldaNumero(r.revision.variacionPct, 2, loc));
        tabla_->setItem(f, 8, CeldaNumero(r.revision.indice, 2, loc));
        tabla_->setItem(f, 9, CeldaNumero(s.precio, 2, loc));
        tabla_->setItem(f, 10, CeldaNumero(r.revision.incremento, 2, loc));
        tabla_->setItem(f, 11, CeldaNumero(r.revision.precioRevisado, 2, loc));
        ++f;
    }
    tabla_->resizeColumnsToContents();
    totales_->setText(Totales());
    errores_->clear();
    for (const ErrorDeFila& e : revision_.errores)
        errores_->addItem(LineaDeError(e));
}

QString VentanaRevisionLista::Totales() const
{
    const Localizacion& loc = doc_.calculo.Local;
    const auto euros = [&](double x) { return FormatearNumero(x, 2, loc) + QStringLiteral(" €"); };
    const size_t n = revision_.filas.size();
    QString t = n == 1 ? QStringLiteral("1 servicio revisado") : QStringLiteral("%1 servicios revisados").arg(n);
    t += QStringLiteral(": pactado %1, variación %2, revisado %3.")
             .arg(euros(revision_.totalPactado), euros(revision_.totalIncremento), euros(revision_.totalRevisado));
    if (const size_t e = revision_.errores.size())
        t += e == 1 ? QStringLiteral(" 1 línea no revisada.") : QStringLiteral(" %1 líneas no revisadas.").arg(e);
    if (!indices_.aviso.isEmpty())
        t += u'\n' + indices_.aviso;
    return t;
}

bool VentanaRevisionLista::Importar(const QString& ruta)
{
    const Lectura l = LeerFicheroAcotado(ruta, kTopeLista);
    if (l.fallo != FalloLectura::Ninguno) {
        if (avisar_)
            avisar_(MensajeLectura(l.fallo, QStringLiteral("la lista de servicios %1").arg(ruta), kTopeLista),
                    QStringLiteral("Error"));
        return false;
    }
    QString texto = QString::fromUtf8(l.bytes);
    if (texto.startsWith(QChar(0xFEFF)))
        texto.remove(0, 1);
    lista_->setPlainText(texto);
    Revisar();
    return true;
}

FalloArchivo VentanaRevisionLista::ExportarCsv(const QString& ruta) const
{
    return InformarExportacion(GrabarCsv(ruta, RevisionDeListaCsv(revision_)), ruta, avisar_);
}

Informe VentanaRevisionLista::InformeActual() const
{
    return InformeRevisionLista(
        {doc_.calculo.Personal[campos::C::Descripcion].comoTexto(), doc_.calculo.RutaArchivo, indices_.aviso},
        revision_, QDate::currentDate(), doc_.calculo.Local);
}

FalloArchivo VentanaRevisionLista::GuardarPdf(const QString& ruta) const
{
    return InformarExportacion(InformeAPdf(InformeActual(), ruta), ruta, avisar_);
}

} // namespace tarvia
