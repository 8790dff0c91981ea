#include "results/ventana_precios_gasoleo.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tarvia {

namespace {

const QString kTitulo = QStringLiteral("Precios oficiales del gasóleo");

} // namespace

VentanaPreciosGasoleo::VentanaPreciosGasoleo(TablaGasoleo tabla, AvisoExportacion avisar, QWidget* dueno)
    : QDialog(dueno), precios_(std::move(tabla)), avisar_(std::move(avisar))
{
    setObjectName(QStringLiteral("frmPreciosGasoleo"));
    setWindowTitle(kTitulo);
    auto* explicacion = new QLabel(QStringLiteral(
        "Precio medio mensual del gasóleo de automoción publicado por el Ministerio de Transportes (€/l, impuestos "
        "incluidos). La revisión por fechas usa el del mes del contrato y el del mes del transporte. Los meses que "
        "usted añade o corrige se guardan en su carpeta de datos y mandan sobre la tabla oficial."));
    explicacion->setWordWrap(true);

    tabla_ = new QTableWidget(0, 3);
    tabla_->setHorizontalHeaderLabels({QStringLiteral("Mes"), QStringLiteral("€/l"), QStringLiteral("Origen")});
    tabla_->verticalHeader()->hide();
    tabla_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabla_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabla_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabla_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);

    mes_ = new QLineEdit;
    mes_->setObjectName(QStringLiteral("txtMes"));
    mes_->setPlaceholderText(QStringLiteral("03/2026"));
    precio_ = new QLineEdit;
    precio_->setObjectName(QStringLiteral("txtPrecio"));
    precio_->setPlaceholderText(QStringLiteral("1,645"));
    auto* guardar = new QPushButton(QStringLiteral("Guardar"));
    connect(guardar, &QPushButton::clicked, this, &VentanaPreciosGasoleo::GuardarMes);
    // Enter in a box saves the month, once: the dialog presses its default button.
    guardar->setDefault(true);
    auto* fila = new QHBoxLayout;
    fila->addWidget(new QLabel(QStringLiteral("Mes")));
    fila->addWidget(mes_);
    fila->addWidget(new QLabel(QStringLiteral("€/l")));
    fila->addWidget(precio_);
    fila->addWidget(guardar);

    // A click on a row puts it in the boxes, to be corrected.
    connect(tabla_, &QTableWidget::itemSelectionChanged, this, [this] {
        const int f = tabla_->currentRow();
        const bool suya = f >= 0 && tabla_->item(f, 2) && tabla_->item(f, 2)->text() == QStringLiteral("Suyo");
        quitar_->setEnabled(suya);
        if (f >= 0 && tabla_->item(f, 0)) {
            mes_->setText(tabla_->item(f, 0)->data(Qt::UserRole).toString());
            precio_->setText(tabla_->item(f, 1)->text());
        }
    });

    auto* botones = new QDialogButtonBox;
    quitar_ = botones->addButton(QStringLiteral("Quitar el mes"), QDialogButtonBox::ActionRole);
    quitar_->setEnabled(false);
    QPushButton* importar = botones->addButton(QStringLiteral("Importar CSV…"), QDialogButtonBox::ActionRole);
    botones->addButton(QStringLiteral("Cerrar"), QDialogButtonBox::RejectRole);
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(quitar_, &QPushButton::clicked, this, &VentanaPreciosGasoleo::QuitarSeleccionado);
    connect(importar, &QPushButton::clicked, this, [this] {
        const QString ruta = QFileDialog::getOpenFileName(this, QStringLiteral("Importar precios del gasóleo"), {},
                                                          QStringLiteral("CSV (*.csv *.txt);;Todos (*)"));
        if (!ruta.isEmpty())
            Importar(ruta);
    });

    auto* capa = new QVBoxLayout(this);
    capa->addWidget(explicacion);
    capa->addWidget(tabla_);
    capa->addLayout(fila);
    capa->addWidget(botones);
    resize(560, 520);
    Llenar();
    if (!precios_.avisos.isEmpty() && avisar_)
        avisar_(precios_.avisos.join(u'\n'), QStringLiteral("Aviso"));
}

void VentanaPreciosGasoleo::Llenar()
{
    const SeriePrecios todos = precios_.Todos();
    tabla_->setRowCount(0);
    tabla_->setRowCount(static_cast<int>(todos.size()));
    int f = 0;
    // The latest months first: those are the ones being added.
    for (auto it = todos.rbegin(); it != todos.rend(); ++it, ++f) {
        auto* mes = new QTableWidgetItem(NombreMes(it->first));
        mes->setData(Qt::UserRole, QStringLiteral("%1/%2").arg(it->first.mes, 2, 10, QChar(u'0')).arg(it->first.anio));
        auto* precio = new QTableWidgetItem(TextoPrecio(it->second));
        precio->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        tabla_->setItem(f, 0, mes);
        tabla_->setItem(f, 1, precio);
        tabla_->setItem(f, 2,
                        new QTableWidgetItem(it->second.origen == PrecioGasoleo::Origen::Oficial
                                                 ? QStringLiteral("Oficial")
                                                 : QStringLiteral("Suyo")));
    }
    tabla_->resizeColumnToContents(1);
    tabla_->resizeColumnToContents(2);
    quitar_->setEnabled(false);
}

bool VentanaPreciosGasoleo::Grabar(const TablaGasoleo& antes)
{
    const GuardadoPrecios g = GuardarPreciosDelUsuario(precios_, QDateTime::currentDateTime());
    if (g.fallo != FalloArchivo::Ninguno) {
        // The file keeps what it had, and so does the window; the boxes keep what was typed.
        precios_ = antes;
        Llenar();
        if (avisar_)
            avisar_(g.mensaje, QStringLiteral("Error"));
        return false;
    }
    Llenar();
    if (!g.copiaDelDanado.isEmpty() && avisar_)
        avisar_(QStringLiteral("Su fichero de precios del gasóleo estaba en mal estado: se ha guardado una copia en "
                               "«%1» y se ha escrito uno nuevo con sus meses.")
                    .arg(QDir::toNativeSeparators(g.copiaDelDanado)),
                QStringLiteral("Aviso"));
    return true;
}

bool VentanaPreciosGasoleo::GuardarMes()
{
    const auto mes = LeerMes(mes_->text());
    if (!mes) {
        if (avisar_)
            avisar_(QStringLiteral("«%1» no es un mes: escríbalo como 03/2026 o marzo de 2026.").arg(mes_->text()),
                    QStringLiteral("Error"));
        return false;
    }
    const TablaGasoleo antes = precios_;
    if (const QString motivo = FijarPrecio(precios_, *mes, precio_->text()); !motivo.isEmpty()) {
        if (avisar_)
            avisar_(motivo, QStringLiteral("Error"));
        return false;
    }
    if (!Grabar(antes))
        return false;
    mes_->clear();
    precio_->clear();
    return true;
}

bool VentanaPreciosGasoleo::QuitarSeleccionado()
{
    const int f = tabla_->currentRow();
    if (f < 0 || !tabla_->item(f, 0))
        return false;
    const auto mes = LeerMes(tabla_->item(f, 0)->data(Qt::UserRole).toString());
    if (!mes || !precios_.usuario.count(*mes))
        return false; // the shipped months stay
    const TablaGasoleo antes = precios_;
    QuitarPrecio(precios_, *mes);
    mes_->clear();
    precio_->clear();
    return Grabar(antes);
}

bool VentanaPreciosGasoleo::Importar(const QString& ruta)
{
    const ImportacionPrecios importacion = ImportarPreciosCsvDe(ruta);
    const TablaGasoleo antes = precios_;
    const int n = AplicarImportacion(precios_, importacion);
    if (n > 0 && !Grabar(antes))
        return false;
    QStringList lineas;
    lineas << (n == 1 ? QStringLiteral("Se ha importado 1 mes de «%1».")
                      : QStringLiteral("Se han importado %1 meses de «%2».").arg(n))
                  .arg(QDir::toNativeSeparators(ruta));
    if (!importacion.errores.empty()) {
        lineas << QStringLiteral("Líneas no importadas:");
        for (const ErrorDeLinea& e : importacion.errores)
            lineas << (e.linea > 0 ? QStringLiteral("línea %1, %2: %3").arg(e.linea).arg(e.campo, e.mensaje)
                                   : e.mensaje);
    }
    if (avisar_)
        avisar_(lineas.join(u'\n'), importacion.errores.empty() ? kTitulo : QStringLiteral("Aviso"));
    return n > 0;
}

} // namespace tarvia
