#include "results/ventana_presupuesto.h"

#include "core/campos.h"
#include "core/formato.h"
#include "presentacion/analisis.h"
#include "presentacion/informes.h"
#include "results/disposicion.h"
#include "results/exportar.h"
#include "results/pintar_informe.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tarvia {

namespace {

constexpr std::array<const char*, 5> kEmpresa = {"nombre", "nif", "direccion", "telefono", "correo"};
constexpr std::array<const char*, 5> kRotulosEmpresa = {"Empresa", "NIF", "Dirección", "Teléfono", "Correo"};

QString Escapar(const QString& s) { return s.toHtmlEscaped(); }

} // namespace

VentanaPresupuesto::VentanaPresupuesto(const Documento& doc, QSettings& ajustes, AvisoExportacion avisar,
                                       QWidget* dueno)
    : QDialog(dueno), doc_(doc), ajustes_(ajustes), avisar_(std::move(avisar))
{
    setObjectName(QStringLiteral("frmPresupuesto"));
    setWindowTitle(QStringLiteral("Presupuesto"));
    CrearCasillas();
    QFormLayout* datos = Formulario();
    vista_ = new QTextBrowser;
    vista_->setObjectName(QStringLiteral("Vista"));
    Conectar();

    auto* columnas = new QHBoxLayout;
    columnas->addLayout(datos);
    columnas->addWidget(vista_, 1);
    auto* capa = new QVBoxLayout(this);
    capa->addLayout(columnas);
    capa->addWidget(Botones());
    resize(1100, 700);
    Calcular();
}

void VentanaPresupuesto::CrearCasillas()
{
    const QLocale local = resultados::LocaleDeLosEjes(doc_.calculo.Local);
    servicio_ = new QComboBox;
    for (int k = 1; k <= 5; ++k)
        servicio_->addItem(QStringLiteral("Servicio %1").arg(k));
    base_ = new QComboBox;
    base_->addItems(
        {QStringLiteral("Por kilómetros"), QStringLiteral("Por horas"), QStringLiteral("Por kilómetros y horas")});
    base_->setCurrentIndex(2);
    margen_ = new QDoubleSpinBox;
    margen_->setLocale(local);
    margen_->setRange(-100, 1000);
    margen_->setValue(10);
    objetivo_ = new QDoubleSpinBox;
    objetivo_->setLocale(local);
    objetivo_->setRange(0, 1e7);
    objetivo_->setSpecialValueText(QStringLiteral("(ninguno)"));
    cliente_ = new QLineEdit;
    ruta_ = new QLineEdit;
    validez_ = new QSpinBox;
    validez_->setRange(1, 365);
    validez_->setValue(30);
    gasoleo_ = new QDoubleSpinBox;
    gasoleo_->setLocale(local);
    gasoleo_->setDecimals(3);
    gasoleo_->setRange(0, 10);
    // The diesel the costs were worked out with: the fuel clause refers to it.
    gasoleo_->setValue(GasoleoDelCalculo(doc_));
    clausula_ = new QCheckBox(QStringLiteral("Revisión por el precio del gasóleo"));
    clausula_->setChecked(true);
    fechaGasoleo_ = new QDateEdit(QDate::currentDate());
    fechaGasoleo_->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
}

QFormLayout* VentanaPresupuesto::Formulario()
{
    auto* datos = new QFormLayout;
    datos->addRow(QStringLiteral("Servicio"), servicio_);
    datos->addRow(QStringLiteral("Coste"), base_);
    datos->addRow(QStringLiteral("Margen sobre el coste (%)"), margen_);
    datos->addRow(QStringLiteral("o precio objetivo sin IVA (€)"), objetivo_);
    datos->addRow(QStringLiteral("Cliente"), cliente_);
    datos->addRow(QStringLiteral("Recorrido"), ruta_);
    datos->addRow(QStringLiteral("Validez (días)"), validez_);
    datos->addRow(QString(), clausula_);
    datos->addRow(QStringLiteral("Gasóleo de referencia (€/l)"), gasoleo_);
    datos->addRow(QStringLiteral("Fecha del gasóleo"), fechaGasoleo_);
    // The company's data, asked once and kept.
    for (size_t k = 0; k < kEmpresa.size(); ++k) {
        empresa_[k] = new QLineEdit(ajustes_.value(QStringLiteral("empresa/") + QLatin1String(kEmpresa[k])).toString());
        datos->addRow(QString::fromUtf8(kRotulosEmpresa[k]), empresa_[k]);
        connect(empresa_[k], &QLineEdit::editingFinished, this, &VentanaPresupuesto::GuardarEmpresa);
        connect(empresa_[k], &QLineEdit::textChanged, this, &VentanaPresupuesto::Calcular);
    }
    return datos;
}

void VentanaPresupuesto::Conectar()
{
    for (QComboBox* c : {servicio_, base_})
        connect(c, &QComboBox::currentIndexChanged, this, &VentanaPresupuesto::Calcular);
    connect(gasoleo_, &QDoubleSpinBox::valueChanged, this, &VentanaPresupuesto::Calcular);
    // A margin typed drops the target price; a target price typed sets the
    // price itself, and the margin only shows what it gives.
    connect(margen_, &QDoubleSpinBox::valueChanged, this, [this] {
        SinPrecioObjetivo();
        Calcular();
    });
    connect(objetivo_, &QDoubleSpinBox::valueChanged, this, [this](double precio) {
        precioObjetivo_ = precio;
        Calcular();
    });
    connect(clausula_, &QCheckBox::toggled, this, [this](bool si) {
        gasoleo_->setEnabled(si);
        fechaGasoleo_->setEnabled(si);
        Calcular();
    });
    for (QLineEdit* l : {cliente_, ruta_})
        connect(l, &QLineEdit::textChanged, this, &VentanaPresupuesto::Calcular);
    connect(validez_, &QSpinBox::valueChanged, this, &VentanaPresupuesto::Calcular);
    connect(fechaGasoleo_, &QDateEdit::dateChanged, this, &VentanaPresupuesto::Calcular);
}

QDialogButtonBox* VentanaPresupuesto::Botones()
{
    auto* botones = new QDialogButtonBox;
    QPushButton* imprimir = botones->addButton(QStringLiteral("Imprimir"), QDialogButtonBox::ActionRole);
    QPushButton* pdf = botones->addButton(QStringLiteral("Guardar como PDF…"), QDialogButtonBox::ActionRole);
    botones->addButton(QStringLiteral("Cerrar"), QDialogButtonBox::RejectRole);
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(imprimir, &QPushButton::clicked, this, [this, pdf] {
        if (!HayImpresora()) {
            if (OfrecerPdfSinImpresora(this))
                pdf->click();
            return;
        }
        ImprimirInforme(InformeActual(), this, avisar_);
    });
    AlPulsarGuardarComo(pdf, this, QStringLiteral("Guardar como PDF"), QStringLiteral("PDF (*.pdf)"), avisar_,
                        [this](const QString& ruta) { return GuardarPdf(ruta); });
    return botones;
}

void VentanaPresupuesto::Elegir(int servicio, BaseCoste base, double margenPct)
{
    servicio_->setCurrentIndex(servicio - 1);
    base_->setCurrentIndex(static_cast<int>(base));
    SinPrecioObjetivo();
    margen_->setValue(margenPct);
    Calcular();
}

void VentanaPresupuesto::SinPrecioObjetivo()
{
    precioObjetivo_ = 0;
    const QSignalBlocker bloqueo(objetivo_);
    objetivo_->setValue(0);
}

void VentanaPresupuesto::PrecioObjetivo(double precio)
{
    {
        const QSignalBlocker bloqueo(objetivo_);
        objetivo_->setValue(precio);
    }
    precioObjetivo_ = objetivo_->value(); // in cents, as the spin box shows it
    Calcular();
}

void VentanaPresupuesto::Calcular()
{
    if (!vista_)
        return; // still being built
    const int servicio = servicio_->currentIndex() + 1;
    const auto base = static_cast<BaseCoste>(base_->currentIndex());
    if (precioObjetivo_ > 0) {
        presupuesto_ = PresupuestarConElCalculoAPrecio(doc_, servicio, base, precioObjetivo_);
        if (presupuesto_) {
            const QSignalBlocker bloqueo(margen_);
            margen_->setValue(presupuesto_->margenPct); // rounded for display only
        }
    } else {
        presupuesto_ = PresupuestarConElCalculo(doc_, servicio, base, margen_->value());
    }
    vista_->setHtml(Html());
}

void VentanaPresupuesto::GuardarEmpresa()
{
    for (size_t k = 0; k < kEmpresa.size(); ++k)
        ajustes_.setValue(QStringLiteral("empresa/") + QLatin1String(kEmpresa[k]), empresa_[k]->text());
}

QString VentanaPresupuesto::Html() const
{
    const Localizacion& loc = doc_.calculo.Local;
    const auto euros = [&](double x) { return FormatearNumero(x, 2, loc) + QStringLiteral(" €"); };
    QString h = QStringLiteral("<html><body style=\"font-family: Arial; font-size: 11pt\">");
    // The company's lines that have something in them.
    QStringList empresa;
    if (!empresa_[0]->text().isEmpty())
        empresa << QStringLiteral("<b>%1</b>").arg(Escapar(empresa_[0]->text()));
    if (!empresa_[1]->text().isEmpty())
        empresa << QStringLiteral("NIF %1").arg(Escapar(empresa_[1]->text()));
    if (!empresa_[2]->text().isEmpty())
        empresa << Escapar(empresa_[2]->text());
    QStringList contacto;
    for (size_t k : {size_t{3}, size_t{4}})
        if (!empresa_[k]->text().isEmpty())
            contacto << Escapar(empresa_[k]->text());
    if (!contacto.isEmpty())
        empresa << contacto.join(QStringLiteral(" · "));
    if (!empresa.isEmpty())
        h += QStringLiteral("<p>%1</p>").arg(empresa.join(QStringLiteral("<br>")));
    h += QStringLiteral("<h2>Presupuesto de transporte</h2>");
    // The lines the printed quotation has: an empty client or route is left out.
    QStringList datos = {QStringLiteral("Fecha: %1").arg(FormatearFecha(QDate::currentDate(), loc))};
    if (!cliente_->text().isEmpty())
        datos << QStringLiteral("Cliente: %1").arg(Escapar(cliente_->text()));
    if (!ruta_->text().isEmpty())
        datos << QStringLiteral("Recorrido: %1").arg(Escapar(ruta_->text()));
    datos << QStringLiteral("Vehículo: %1").arg(Escapar(doc_.calculo.Personal[campos::C::Descripcion].comoTexto()));
    h += QStringLiteral("<p>%1</p>").arg(datos.join(QStringLiteral("<br>")));
    if (!presupuesto_) {
        h += QStringLiteral("<p>Este servicio no tiene coste: escriba sus kilómetros u horas en carga en la hoja "
                            "«Costes de un servicio concreto».</p></body></html>");
        return h;
    }
    const Presupuesto& p = *presupuesto_;
    h += QStringLiteral("<table cellpadding=\"4\" style=\"border-collapse: collapse\">");
    const auto fila = [&](const QString& a, const QString& b) {
        return QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td></tr>").arg(a, b);
    };
    h += fila(QStringLiteral("Precio del servicio, sin IVA"), euros(p.precio));
    h += fila(QStringLiteral("IVA (%1 %)").arg(FormatearNumero(p.ivaPct, 0, loc)), euros(p.iva));
    h += fila(QStringLiteral("<b>Total</b>"), QStringLiteral("<b>%1</b>").arg(euros(p.total)));
    h += QStringLiteral("</table>");
    h += QStringLiteral("<p>Oferta válida durante %1 días desde su fecha.</p>").arg(validez_->value());
    if (clausula_->isChecked() && gasoleo_->value() > 0)
        h += QStringLiteral(
                 "<p><small>Este precio se revisará, al alza o a la baja, cuando el precio medio del "
                 "gasóleo varíe un 5 % o más respecto a %1 €/l (%2), según el artículo 38 de la Ley "
                 "15/2009, de 11 de noviembre, del contrato de transporte terrestre de mercancías.</small></p>")
                 .arg(FormatearNumero(gasoleo_->value(), 3, loc), FormatearFecha(fechaGasoleo_->date(), loc));
    h += QStringLiteral("</body></html>");
    return h;
}

Informe VentanaPresupuesto::InformeActual() const
{
    DatosPresupuesto datos;
    // The company's lines that have something in them, as the preview shows them.
    if (!empresa_[0]->text().isEmpty())
        datos.empresa << empresa_[0]->text();
    if (!empresa_[1]->text().isEmpty())
        datos.empresa << QStringLiteral("NIF %1").arg(empresa_[1]->text());
    if (!empresa_[2]->text().isEmpty())
        datos.empresa << empresa_[2]->text();
    QStringList contacto;
    for (size_t k : {size_t{3}, size_t{4}})
        if (!empresa_[k]->text().isEmpty())
            contacto << empresa_[k]->text();
    if (!contacto.isEmpty())
        datos.empresa << contacto.join(QStringLiteral(" · "));
    datos.cliente = cliente_->text();
    datos.recorrido = ruta_->text();
    datos.vehiculo = doc_.calculo.Personal[campos::C::Descripcion].comoTexto();
    datos.validezDias = validez_->value();
    if (clausula_->isChecked())
        datos.gasoleoClausula = gasoleo_->value();
    datos.fechaGasoleo = fechaGasoleo_->date();
    return InformePresupuesto(datos, presupuesto_, QDate::currentDate(), doc_.calculo.Local);
}

FalloArchivo VentanaPresupuesto::GuardarPdf(const QString& ruta) const
{
    return InformarExportacion(InformeAPdf(InformeActual(), ruta), ruta, avisar_);
}

} // namespace tarvia
