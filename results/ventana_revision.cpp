#include "results/ventana_revision.h"

#include "core/campos.h"
#include "core/formato.h"
#include "engine/resultados.h"
#include "presentacion/analisis.h"
#include "presentacion/informes.h"
#include "results/disposicion.h"
#include "results/exportar.h"
#include "results/pintar_informe.h"
#include "results/ventana_revision_lista.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tarvia {

namespace {

// "Falta el precio de marzo de 2026: añádalo en Análisis → Precios oficiales del gasóleo…"
QString MesesQueFaltan(const std::vector<Mes>& faltan)
{
    const QString donde = QStringLiteral("Análisis → Precios oficiales del gasóleo…");
    if (faltan.size() == 1)
        return QStringLiteral("Falta el precio de %1: añádalo en %2").arg(NombreMes(faltan[0]), donde);
    return QStringLiteral("Faltan los precios de %1 y de %2: añádalos en %3")
        .arg(NombreMes(faltan[0]), NombreMes(faltan[1]), donde);
}

} // namespace

VentanaRevision::VentanaRevision(const Documento& doc, TablaIndices indices, TablaGasoleo precios, QSettings& ajustes,
                                 AvisoExportacion avisar, QWidget* dueno)
    : QDialog(dueno), doc_(doc), indices_(std::move(indices)), precios_(std::move(precios)), ajustes_(ajustes),
      avisar_(std::move(avisar))
{
    setObjectName(QStringLiteral("frmRevision"));
    setWindowTitle(QStringLiteral("Revisión por gasóleo"));
    const QLocale local = resultados::LocaleDeLosEjes(doc.calculo.Local);
    const auto numero = [&](double maximo, int decimales) {
        auto* s = new QDoubleSpinBox;
        s->setLocale(local);
        s->setRange(0, maximo);
        s->setDecimals(decimales);
        connect(s, &QDoubleSpinBox::valueChanged, this, &VentanaRevision::Calcular);
        return s;
    };
    precio_ = numero(1e7, 2);
    contrato_ = numero(10, 3);
    servicio_ = numero(10, 3);
    umbral_ = numero(100, 2);
    umbral_->setValue(5);
    fecha_ = new QDateEdit(QDate::currentDate());
    fecha_->setCalendarPopup(true);
    fecha_->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    connect(fecha_, &QDateEdit::dateChanged, this, &VentanaRevision::Calcular);
    fechaServicio_ = new QDateEdit(QDate::currentDate());
    fechaServicio_->setObjectName(QStringLiteral("fechaTransporte"));
    fechaServicio_->setCalendarPopup(true);
    fechaServicio_->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    connect(fechaServicio_, &QDateEdit::dateChanged, this, &VentanaRevision::Calcular);
    origen_ = new QComboBox;
    origen_->setObjectName(QStringLiteral("cmbPreciosGasoleo"));
    origen_->addItems({QStringLiteral("de la tabla oficial"), QStringLiteral("escritos a mano")});
    connect(origen_, &QComboBox::currentIndexChanged, this, &VentanaRevision::Calcular);
    meses_ = new QLabel;
    meses_->setObjectName(QStringLiteral("lblMeses"));
    meses_->setWordWrap(true);
    obra_ = new QCheckBox(QStringLiteral("Vehículo de obra"));
    connect(obra_, &QCheckBox::toggled, this, &VentanaRevision::Calcular);
    texto_ = new QLabel;
    texto_->setObjectName(QStringLiteral("lblExplicacion"));
    texto_->setWordWrap(true);
    comparacion_ = new QLabel;
    comparacion_->setWordWrap(true);
    historial_ = new QListWidget;
    historial_->addItems(ajustes_.value(Clave()).toStringList());

    auto* datos = new QFormLayout;
    datos->addRow(QStringLiteral("Precio pactado del transporte (€)"), precio_);
    datos->addRow(QStringLiteral("Fecha del contrato"), fecha_);
    datos->addRow(QStringLiteral("Fecha del transporte"), fechaServicio_);
    datos->addRow(QStringLiteral("Precios del gasóleo"), origen_);
    datos->addRow(QStringLiteral("Gasóleo en la fecha del contrato (€/l)"), contrato_);
    datos->addRow(QStringLiteral("Gasóleo en la fecha del transporte (€/l)"), servicio_);
    datos->addRow(QString(), meses_);
    datos->addRow(QStringLiteral("Umbral (%)"), umbral_);
    datos->addRow(QString(), obra_);

    auto* botones = new QDialogButtonBox;
    QPushButton* guardar = botones->addButton(QStringLiteral("Añadir al historial"), QDialogButtonBox::ActionRole);
    QPushButton* copiar = botones->addButton(QStringLiteral("Copiar"), QDialogButtonBox::ActionRole);
    QPushButton* pdf = botones->addButton(QStringLiteral("Guardar como PDF…"), QDialogButtonBox::ActionRole);
    QPushButton* imprimir = botones->addButton(QStringLiteral("Imprimir"), QDialogButtonBox::ActionRole);
    QPushButton* lista = botones->addButton(QStringLiteral("Revisar una lista…"), QDialogButtonBox::ActionRole);
    connect(lista, &QPushButton::clicked, this,
            [this] { VentanaRevisionLista(doc_, indices_, precios_, obra_->isChecked(), avisar_, this).exec(); });
    botones->addButton(QStringLiteral("Cerrar"), QDialogButtonBox::RejectRole);
    connect(botones, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(guardar, &QPushButton::clicked, this, &VentanaRevision::Guardar);
    connect(copiar, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(explicacion_ + u'\n' + comparacion_->text()); });
    connect(imprimir, &QPushButton::clicked, this, [this] { ImprimirInforme(InformeActual(), this, avisar_); });
    AlPulsarGuardarComo(pdf, this, QStringLiteral("Guardar como PDF"), QStringLiteral("PDF (*.pdf)"), avisar_,
                        [this](const QString& ruta) { return GuardarPdf(ruta); });

    auto* capa = new QVBoxLayout(this);
    capa->addLayout(datos);
    capa->addWidget(texto_);
    capa->addWidget(comparacion_);
    capa->addWidget(new QLabel(QStringLiteral("Historial de este vehículo")));
    capa->addWidget(historial_);
    capa->addWidget(botones);
    resize(640, 640);
    Calcular();
}

QString VentanaRevision::Clave() const
{
    // One history per vehicle: its file, or its description while it has none.
    const QString vehiculo = doc_.calculo.RutaArchivo.isEmpty()
                                 ? doc_.calculo.Personal[campos::C::Descripcion].comoTexto()
                                 : doc_.calculo.RutaArchivo;
    return QStringLiteral("revisiones/") + QString::fromLatin1(vehiculo.toUtf8().toHex());
}

void VentanaRevision::FijarDatos(double precio, double contrato, double servicio, double umbral)
{
    origen_->setCurrentIndex(1);
    umbral_->setValue(umbral);
    precio_->setValue(precio);
    contrato_->setValue(contrato);
    servicio_->setValue(servicio);
    Calcular();
}

void VentanaRevision::FijarFechas(double precio, QDate contrato, QDate servicio, double umbral)
{
    {
        const QSignalBlocker b1(origen_), b2(umbral_), b3(precio_), b4(fecha_), b5(fechaServicio_);
        origen_->setCurrentIndex(0);
        umbral_->setValue(umbral);
        precio_->setValue(precio);
        fecha_->setDate(contrato);
        fechaServicio_->setDate(servicio);
    }
    Calcular();
}

bool VentanaRevision::PorFechas() const { return origen_->currentIndex() == 0; }

QString VentanaRevision::Meses() const { return PorFechas() ? meses_->text() : QString(); }

bool VentanaRevision::BuscarPorFechas()
{
    const RevisionPorFechas r =
        RevisarPorFechasConElCalculo(doc_, indices_, precios_, precio_->value(), fecha_->date(), fechaServicio_->date(),
                                     umbral_->value(), obra_->isChecked());
    porFechas_ = r.precios;
    const PreciosPorFechas& p = r.precios;
    {
        // The boxes show the prices found, with the decimals they were published with.
        const QSignalBlocker b1(contrato_), b2(servicio_);
        for (const auto& [caja, precio] : {std::pair{contrato_, p.contrato}, std::pair{servicio_, p.servicio}}) {
            caja->setDecimals(precio ? std::max(3, precio->decimales) : 3);
            caja->setValue(precio ? precio->euros : 0);
        }
    }
    QStringList meses;
    if (p.contrato && p.servicio)
        meses << QStringLiteral("Precios medios del gasóleo: al contratar, el de %1; al transportar, el de %2.")
                     .arg(MesConOrigen(p.mesContrato, *p.contrato), MesConOrigen(p.mesServicio, *p.servicio));
    meses << precios_.avisos;
    meses_->setText(meses.join(u'\n'));
    meses_->setVisible(!meses_->text().isEmpty());
    if (!r.revision) {
        explicacion_ = p.faltan.empty() ? r.error : MesesQueFaltan(p.faltan);
        return false;
    }
    revision_ = *r.revision;
    return true;
}

void VentanaRevision::Calcular()
{
    if (!texto_)
        return; // still being built
    const bool porFechas = PorFechas();
    for (QDoubleSpinBox* caja : {contrato_, servicio_}) {
        caja->setReadOnly(porFechas);
        caja->setButtonSymbols(porFechas ? QAbstractSpinBox::NoButtons : QAbstractSpinBox::UpDownArrows);
    }
    fechaServicio_->setEnabled(porFechas);
    meses_->setVisible(porFechas && !meses_->text().isEmpty());
    if (!porFechas) {
        porFechas_.reset();
        const QSignalBlocker b1(contrato_), b2(servicio_);
        contrato_->setDecimals(3);
        servicio_->setDecimals(3);
    }
    hayResultado_ = false;
    umbralValido_ = MotivoUmbralNoValido(umbral_->value()).isEmpty();
    if (!umbralValido_) {
        // Said in place of the result: a threshold above the law's would hide a compulsory revision.
        explicacion_ = MotivoUmbralNoValido(umbral_->value());
        texto_->setText(explicacion_);
        comparacion_->clear();
        return;
    }
    if (porFechas) {
        if (!BuscarPorFechas()) {
            // No figures from a month that is not in the table.
            texto_->setText(explicacion_);
            comparacion_->clear();
            return;
        }
    } else {
        revision_ = RevisarConElCalculo(doc_, indices_, precio_->value(), contrato_->value(), servicio_->value(),
                                        umbral_->value(), obra_->isChecked(), fecha_->date());
    }
    hayResultado_ = true;
    const double mma = doc_.calculo.Personal[campos::C::MasaMaximaAutorizada].numeroOCero();
    const double indice = revision_.indice;
    const double cuota = revision_.cuotaCombustiblePct;
    const Localizacion& loc = doc_.calculo.Local;
    const double precio = precio_->value();
    const auto euros = [&](double x) { return FormatearNumero(std::abs(x), 2, loc) + QStringLiteral(" €"); };
    const QString pct = FormatearNumero(precio > 0 ? std::abs(revision_.incremento) / precio * 100 : 0, 2, loc);
    const QString g = FormatearNumero(revision_.variacionPct, 2, loc);
    if (porFechas && precio <= 0)
        explicacion_ = QStringLiteral("Escriba el precio pactado.");
    else if (contrato_->value() <= 0 || precio <= 0)
        explicacion_ = QStringLiteral("Escriba el precio pactado y los dos precios del gasóleo.");
    else if (!revision_.aplica)
        explicacion_ = QStringLiteral("El gasóleo ha variado un %1 %, menos del %2 %: el precio no se revisa y "
                                      "sigue en %3.")
                           .arg(g, FormatearNumero(umbral_->value(), 2, loc), euros(precio));
    else
        explicacion_ = QStringLiteral("El precio %1 %2 (%3 %): el gasóleo ha variado un %4 % y el índice de "
                                      "repercusión de un vehículo de %5 kg es %6. Precio revisado: %7.")
                           .arg(revision_.incremento >= 0 ? QStringLiteral("sube") : QStringLiteral("baja"),
                                euros(revision_.incremento), pct, g, FormatearNumero(mma, 0, loc),
                                FormatearNumero(indice, 2, loc), euros(revision_.precioRevisado));
    texto_->setText(explicacion_ + (indices_.aviso.isEmpty() ? QString() : QStringLiteral("\n") + indices_.aviso));
    comparacion_->setText(QStringLiteral("Índice oficial %1: %2 %3.   Con la cuota del combustible de su cálculo "
                                         "(%4 %): %5 %6.")
                              .arg(FormatearNumero(indice, 2, loc),
                                   revision_.incremento >= 0 ? QStringLiteral("+") : QStringLiteral("−"),
                                   euros(revision_.incremento), FormatearNumero(cuota, 1, loc),
                                   revision_.incrementoCuotaPropia >= 0 ? QStringLiteral("+") : QStringLiteral("−"),
                                   euros(revision_.incrementoCuotaPropia)));
}

void VentanaRevision::Guardar()
{
    if (!umbralValido_ || !hayResultado_)
        return;
    const QString linea =
        FormatearFecha(QDate::currentDate(), doc_.calculo.Local) + QStringLiteral(": ") + explicacion_;
    historial_->insertItem(0, linea);
    QStringList lista = ajustes_.value(Clave()).toStringList();
    lista.prepend(linea);
    ajustes_.setValue(Clave(), lista);
}

Informe VentanaRevision::InformeActual() const
{
    PedidoRevisionInforme pedido{doc_.calculo.Personal[campos::C::Descripcion].comoTexto(),
                                 doc_.calculo.RutaArchivo,
                                 precio_->value(),
                                 contrato_->value(),
                                 servicio_->value(),
                                 umbral_->value(),
                                 fecha_->date(),
                                 doc_.calculo.Personal[campos::C::MasaMaximaAutorizada].numeroOCero(),
                                 obra_->isChecked(),
                                 indices_.aviso,
                                 {},
                                 {}};
    if (porFechas_ && porFechas_->completos()) {
        pedido.gasoleoContrato = porFechas_->contrato->euros;
        pedido.gasoleoServicio = porFechas_->servicio->euros;
        pedido.porFechas = porFechas_;
        pedido.fechaServicio = fechaServicio_->date();
    }
    Informe informe = InformeRevision(pedido, revision_, QDate::currentDate(), doc_.calculo.Local);
    if (!hayResultado_) // no figures from a threshold the law does not allow, nor from a missing month
        informe.bloques = {ParrafoInforme{explicacion_, true}};
    return informe;
}

FalloArchivo VentanaRevision::GuardarPdf(const QString& ruta) const
{
    return InformarExportacion(InformeAPdf(InformeActual(), ruta), ruta, avisar_);
}

} // namespace tarvia
