#include "shell/frm_archivo.h"

#include "core/destino_exportacion.h"
#include "engine/abrir.h"
#include "sheets/twips.h"
#include "shell/frm_mensaje.h"

#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QStyle>

namespace tarvia {

namespace {

const QString kExtension = QStringLiteral("trv");
constexpr int kRolRuta = Qt::UserRole;

QLabel* Rotulo(const QString& texto, QPoint pos, QWidget* padre)
{
    auto* l = new QLabel(texto, padre);
    l->move(Px(pos.x()), Px(pos.y()));
    l->adjustSize();
    return l;
}

// Where the machine has no drive letters, the mounted file-system roots stand for them.
QStringList Unidades()
{
    QStringList raices;
    for (const QFileInfo& d : QDir::drives())
        raices << d.absoluteFilePath();
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes())
        if (v.isValid() && !raices.contains(v.rootPath()))
            raices << v.rootPath();
    raices.sort();
    return raices;
}

QString UnidadDe(const QString& ruta)
{
    const QString raiz = QStorageInfo(ruta).rootPath();
    return raiz.isEmpty() ? QDir::rootPath() : raiz;
}

} // namespace

FrmArchivo::FrmArchivo(Documento& doc, Modo modo, const QString& directorioPrograma, QWidget* dueno,
                       const QString& calculos, const QString& ultima)
    : QDialog(dueno), doc_(doc), modo_(modo)
{
    setObjectName(QStringLiteral("frmArchivo"));
    Rotulo(QStringLiteral("Unidad"), {180, 180}, this);
    unidades_ = new QComboBox(this);
    unidades_->setObjectName(QStringLiteral("Drive1"));
    unidades_->setGeometry(Px(QRect(180, 420, 2775, 315)));
    unidades_->addItems(Unidades());
    Rotulo(QStringLiteral("Directorio"), {180, 840}, this);
    directorios_ = new QListWidget(this);
    directorios_->setObjectName(QStringLiteral("Dir1"));
    directorios_->setGeometry(Px(QRect(180, 1080, 2775, 2340)));
    Rotulo(QStringLiteral("Archivo"), {3180, 180}, this);
    archivos_ = new QListWidget(this);
    archivos_->setObjectName(QStringLiteral("File1"));
    archivos_->setGeometry(Px(QRect(3180, 420, 2999, 3015)));
    Rotulo(QStringLiteral("Nombre del archivo"), {1260, 3660}, this);
    nombre_ = new QLineEdit(this);
    nombre_->setObjectName(QStringLiteral("TextArchivo"));
    nombre_->setGeometry(Px(QRect(3180, 3600, 2655, 315)));
    extension_ = new QLabel(QStringLiteral(".trv"), this);
    extension_->setObjectName(QStringLiteral("lblArchivo"));
    extension_->setGeometry(Px(QRect(5820, 3600, 615, 315)));
    auto* aceptar = new QPushButton(QStringLiteral("Aceptar"), this);
    aceptar->setObjectName(QStringLiteral("cmbAceptar"));
    aceptar->setGeometry(Px(QRect(1800, 4260, 1155, 435)));
    aceptar->setDefault(true);
    auto* cancelar = new QPushButton(QStringLiteral("Cancelar"), this);
    cancelar->setObjectName(QStringLiteral("cmbCancelar"));
    cancelar->setGeometry(Px(QRect(3180, 4260, 1155, 435)));
    setFixedSize(Px(QSize(6540, 4920)));

    connect(aceptar, &QPushButton::clicked, this, &FrmArchivo::Aceptar);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    connect(unidades_, &QComboBox::activated, this, &FrmArchivo::CambiarUnidad);
    connect(directorios_, &QListWidget::itemActivated, this, &FrmArchivo::AlElegirDirectorio);
    connect(archivos_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        if (modo_ == Modo::Abrir)
            nombre_->setText(item->text());
    });
    connect(archivos_, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (modo_ == Modo::Abrir && item)
            nombre_->setText(item->text());
    });
    connect(archivos_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        if (modo_ != Modo::Abrir)
            return;
        nombre_->setText(item->text());
        Aceptar();
    });

    const QDir programa(directorioPrograma);
    const QString junto = programa.filePath(QStringLiteral("Cálculos"));
    const QString inicial = QFileInfo(calculos).isDir() ? calculos
                            : QFileInfo(junto).isDir()  ? junto
                                                        : programa.absolutePath();
    // Never where nothing can be saved: after picking a reference vehicle
    // the last folder may be the reference data's, read-only once installed.
    MostrarDirectorio(modo == Modo::Grabar ? CarpetaInicialExportacion(ultima, inicial) : inicial);
    AplicarModo();
}

void FrmArchivo::MostrarDirectorio(const QString& ruta)
{
    directorio_ = QDir(ruta).absolutePath();
    const int fila = unidades_->findText(UnidadDe(directorio_));
    if (fila >= 0)
        unidades_->setCurrentIndex(fila);

    // The directory list: the path from the root down, then the sub-directories.
    directorios_->clear();
    QStringList tramos;
    for (QDir d(directorio_);;) {
        tramos.prepend(d.absolutePath());
        if (d.isRoot() || !d.cdUp())
            break;
    }
    int nivel = 0;
    for (const QString& t : tramos) {
        const QString nombre = QDir(t).isRoot() ? t : QFileInfo(t).fileName();
        auto* item = new QListWidgetItem(style()->standardIcon(QStyle::SP_DirOpenIcon),
                                         QString(nivel * 2, u' ') + nombre, directorios_);
        item->setData(kRolRuta, t);
        ++nivel;
    }
    directorios_->setCurrentRow(directorios_->count() - 1);
    const QDir actual(directorio_);
    // By their real names: a name that is not UTF-8 still opens.
    for (const QString& sub : SubdirectoriosDe(directorio_)) {
        auto* item = new QListWidgetItem(style()->standardIcon(QStyle::SP_DirIcon), QString(nivel * 2, u' ') + sub,
                                         directorios_);
        item->setData(kRolRuta, actual.filePath(sub));
    }

    archivos_->clear();
    archivos_->addItems(ArchivosDe(directorio_, kExtension));
}

void FrmArchivo::AlElegirDirectorio(QListWidgetItem* item)
{
    if (item)
        MostrarDirectorio(item->data(kRolRuta).toString());
    AplicarModo();
}

void FrmArchivo::CambiarUnidad(int fila)
{
    const QString raiz = unidades_->itemText(fila);
    if (!QStorageInfo(raiz).isReady() || !QDir(raiz).isReadable()) {
        unidades_->setCurrentIndex(unidades_->findText(UnidadDe(directorio_)));
        MostrarMensaje(QStringLiteral("La unidad no está preparada."), QStringLiteral("Error"));
        return;
    }
    MostrarDirectorio(raiz);
    AplicarModo();
}

void FrmArchivo::AplicarModo()
{
    const QColor fondo = palette().color(QPalette::Window);
    if (modo_ == Modo::Abrir) {
        setWindowTitle(QStringLiteral("Abrir archivo"));
        nombre_->setEnabled(false);
        QPalette p = nombre_->palette();
        p.setColor(QPalette::Base, fondo);
        nombre_->setPalette(p);
        extension_->setText(QString());
        archivos_->setFocus();
        if (archivos_->count() > 0) {
            archivos_->setCurrentRow(0);
            nombre_->setText(archivos_->item(0)->text());
        } else {
            nombre_->clear();
        }
    } else {
        setWindowTitle(QStringLiteral("Guardar archivo"));
        QPalette p = archivos_->palette();
        p.setColor(QPalette::Base, fondo);
        archivos_->setPalette(p);
        nombre_->setFocus();
    }
}

void FrmArchivo::showEvent(QShowEvent* ev)
{
    QDialog::showEvent(ev);
    if (modo_ == Modo::Abrir)
        archivos_->setFocus();
    else
        nombre_->setFocus();
}

void FrmArchivo::Aceptar()
{
    const QString texto = nombre_->text();
    QString ruta = directorio_ + u'/' + texto;
    if (texto.isEmpty()) {
        MostrarMensaje(QStringLiteral("No se ha seleccionado un fichero."), QStringLiteral("Error"));
        return;
    }
    if (modo_ == Modo::Abrir) {
        const FalloArchivo fallo = LeerArchivo(doc_, ruta);
        if (fallo != FalloArchivo::Ninguno) {
            MostrarMensaje(MensajeArchivo(fallo), QStringLiteral("Error"));
            return;
        }
        doc_.calculo.RutaArchivo = EsDatoDeReferencia(ruta) ? QString() : ruta; // a new calculation from it
        accept();
        return;
    }
    // An existing calculation is never overwritten from here. A name with a
    // folder in it, or a hidden one, is no name for it; the name is compared,
    // ignoring case, with every entry of the folder, hidden ones too; and the
    // save itself takes only a free name, so a file that appears meanwhile is
    // not replaced either.
    if (texto.contains(u'/') || texto.contains(u'\\') || texto.startsWith(u'.')) {
        MostrarMensaje(MensajeArchivo(FalloArchivo::NombreNoValido), QStringLiteral("Error"));
        return;
    }
    // The extension only when the name has none: "informe.trv" stays so.
    const QString buscado = ConExtension(texto, kExtension);
    ruta = directorio_ + u'/' + buscado;
    const FalloArchivo fallo = NombreOcupado(directorio_, buscado)
                                   ? FalloArchivo::YaExiste
                                   : EscribirArchivo(doc_, ruta, QDate::currentDate(), ArchivoSeguro::Modo::Nuevo);
    if (fallo != FalloArchivo::Ninguno) {
        MostrarMensaje(MensajeEscritura(fallo, ruta), QStringLiteral("Error"));
        return;
    }
    doc_.calculo.RutaArchivo = ruta;
    accept();
    MostrarMensaje(QStringLiteral("El archivo se ha grabado en: \r\n") + QDir::toNativeSeparators(directorio_) +
                       QDir::separator() + QStringLiteral("\r\n\r\nCon el nombre: \r\n") + buscado,
                   QStringLiteral("Grabar"));
}

} // namespace tarvia
