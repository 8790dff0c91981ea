#include "core/archivo.h"

#include "core/archivo_bytes.h"
#include "core/lectura.h"

#include <QDir>

#include <sys/stat.h>

namespace tarvia {

namespace {

using archivo::FechaArchivo;
using archivo::ValorArchivo;

// --- Values -----------------------------------------------------------------

QDate AQDate(const FechaArchivo& f) { return f.esVacia() ? QDate() : QDate(f.anio, f.mes, f.dia); }

FechaArchivo DeQDate(QDate d) { return d.isValid() ? FechaArchivo{d.year(), d.month(), d.day()} : FechaArchivo{}; }

Valor AValor(const ValorArchivo& v)
{
    switch (v.clase) {
    case ValorArchivo::Clase::Vacio: break;
    case ValorArchivo::Clase::Numero: return Valor(v.numero);
    case ValorArchivo::Clase::Texto: return Valor(QString::fromStdString(v.texto));
    case ValorArchivo::Clase::Logico: return Valor(v.logico);
    case ValorArchivo::Clase::Fecha: return Valor(AQDate(v.fecha));
    }
    return {};
}

ValorArchivo DeValor(const Valor& v)
{
    if (v.esNumero())
        return ValorArchivo::Numero(v.numero());
    if (v.esTexto())
        return ValorArchivo::Texto(v.texto().toStdString());
    if (v.esLogico())
        return ValorArchivo::Logico(v.logico());
    if (v.esFecha())
        return ValorArchivo::Fecha(DeQDate(v.fecha()));
    return {};
}

// Both columns in file order: input fields, date, input fields, date.
std::vector<ValorArchivo> ValoresDelArchivo(const Calculo& c, QDate hoy)
{
    std::vector<ValorArchivo> valores;
    valores.reserve(archivo::kLineasArchivo);
    for (const ValoresColumna* col : {&c.Personal, &c.Referencia}) {
        for (Hoja h : HojasDeEntrada)
            for (int k : c.Entradas(h))
                valores.push_back(DeValor((*col)[h](k)));
        valores.push_back(ValorArchivo::Fecha(DeQDate(col == &c.Personal ? hoy : col->Fecha)));
    }
    return valores;
}

void CopiarEntradas(const Calculo& c, const ValoresColumna& de, ValoresColumna& a)
{
    for (Hoja h : HojasDeEntrada)
        for (int k : c.Entradas(h))
            a[h](k) = de[h](k);
    a.Fecha = de.Fecha;
}

// At most kBytesMaximos + 1 bytes of a regular file: enough to tell a good
// file from one too big (the reader stops after its 256 lines). A pipe or a
// device is refused without waiting.
FalloArchivo LeerBytes(const QString& ruta, std::string& bytes)
{
    const Lectura l = LeerFicheroAcotado(ruta, static_cast<qint64>(archivo::kBytesMaximos), Exceso::Principio);
    bytes.assign(l.bytes.constData(), static_cast<std::size_t>(l.bytes.size()));
    return ComoFalloArchivo(l.fallo);
}

// Why the disk refused a write, as the user is told it.
QString CausaDeEscritura(FalloArchivo fallo)
{
    switch (fallo) {
    case FalloArchivo::SinEspacio: return QStringLiteral("No queda espacio en el disco");
    case FalloArchivo::CuotaExcedida: return QStringLiteral("Se ha superado la cuota de disco");
    case FalloArchivo::SoloLectura: return QStringLiteral("El disco es de solo lectura");
    case FalloArchivo::AccesoDenegado: return QStringLiteral("No tiene permiso para escribir ahí");
    case FalloArchivo::DatosDeReferencia:
        return QStringLiteral("Los datos de referencia (los ficheros .brm y la carpeta Baremario) no se modifican");
    default: return QStringLiteral("Error de lectura o escritura en el disco");
    }
}

} // namespace

FalloArchivo LeerValores(const QString& ruta, Calculo& calculo)
{
    if (NombreNoValido(ruta))
        return FalloArchivo::NombreNoValido;
    if (TotalCamposEntrada(calculo) != archivo::kCamposPorColumna)
        return FalloArchivo::MalEstado; // the lists are not set: the layout is unknown

    std::string bytes;
    if (const FalloArchivo f = LeerBytes(ruta, bytes); f != FalloArchivo::Ninguno)
        return f;
    const auto valores = archivo::LeerArchivo(bytes);
    if (!valores)
        return FalloArchivo::MalEstado;

    // Into copies first, so that a refused file leaves the calculation as it was.
    ValoresColumna personal = calculo.Personal;
    ValoresColumna referencia = calculo.Referencia;
    ValoresColumna grabado = calculo.Grabado;
    auto v = valores->begin();
    for (ValoresColumna* col : {&personal, &referencia}) {
        for (Hoja h : HojasDeEntrada)
            for (int k : calculo.Entradas(h))
                (*col)[h](k) = AValor(*v++);
        col->Fecha = AQDate(v->fecha);
        ++v;
    }
    CopiarEntradas(calculo, personal, grabado);

    calculo.Personal = std::move(personal);
    calculo.Referencia = std::move(referencia);
    calculo.Grabado = std::move(grabado);
    return FalloArchivo::Ninguno;
}

FalloArchivo EscribirValores(const QString& ruta, Calculo& calculo, QDate hoy, ArchivoSeguro::Modo modo)
{
    ArchivoSeguro archivo(ruta, modo);
    return EscribirValoresEn(archivo, calculo, hoy);
}

FalloArchivo EscribirValoresEn(ArchivoSeguro& archivo, Calculo& calculo, QDate hoy)
{
    if (TotalCamposEntrada(calculo) != archivo::kCamposPorColumna)
        return FalloArchivo::MalEstado;
    if (const FalloArchivo f = archivo.Abrir(); f != FalloArchivo::Ninguno)
        return f;
    const std::string bytes = archivo::EscribirArchivo(ValoresDelArchivo(calculo, hoy));
    const auto n = static_cast<qint64>(bytes.size());
    if (archivo.write(bytes.data(), n) != n)
        return archivo.Abandonar(); // the old file stays
    if (const FalloArchivo f = archivo.Confirmar(); f != FalloArchivo::Ninguno)
        return f;

    calculo.Personal.Fecha = hoy;
    CopiarEntradas(calculo, calculo.Personal, calculo.Grabado);
    return FalloArchivo::Ninguno;
}

QString MensajeArchivo(FalloArchivo fallo)
{
    switch (fallo) {
    case FalloArchivo::Ninguno: return {};
    case FalloArchivo::NoEncontrado: return QStringLiteral("Archivo no encontrado.");
    case FalloArchivo::DirectorioNoExiste: return QStringLiteral("El subdirectorio no existe.");
    case FalloArchivo::NombreNoValido: return QStringLiteral("El nombre de archivo no es válido.");
    case FalloArchivo::AccesoDenegado: return QStringLiteral("Error de acceso a la ruta o al archivo.");
    case FalloArchivo::YaExiste: return QStringLiteral("Este fichero ya existe.");
    case FalloArchivo::MalEstado: break;
    default: return CausaDeEscritura(fallo) + u'.';
    }
    return QStringLiteral("Archivo en mal estado.");
}

QString MensajeEscritura(FalloArchivo fallo, const QString& ruta)
{
    switch (fallo) {
    case FalloArchivo::Ninguno:
    case FalloArchivo::YaExiste:
    case FalloArchivo::NoEncontrado:
    case FalloArchivo::DirectorioNoExiste:
    case FalloArchivo::NombreNoValido: return MensajeArchivo(fallo);
    default: break;
    }
    const QString nombre = QStringLiteral("«%1»").arg(QDir::toNativeSeparators(ruta));
    if (fallo == FalloArchivo::SinConfirmar)
        return QStringLiteral("El disco no ha confirmado la grabación: puede que el archivo %1 no se haya guardado "
                              "entero.\r\n\r\nVuelva a grabarlo.")
            .arg(nombre);
    struct stat st {};
    const bool existe = ::lstat(RutaNativa(ruta).constData(), &st) == 0;
    const QString consejo = fallo == FalloArchivo::DatosDeReferencia
                                ? QStringLiteral("\r\n\r\nGrábelo con otro nombre, fuera de la carpeta Baremario.")
                                : QString();
    return CausaDeEscritura(fallo) +
           (existe ? QStringLiteral(": el archivo %1 no se ha modificado.").arg(nombre)
                   : QStringLiteral(": no se ha creado el archivo %1.").arg(nombre)) +
           consejo;
}

QString MensajeBaremario(FalloArchivo fallo)
{
    const QString cola = QStringLiteral("\r\n\r\nLos datos del Baremario deben estar en este subdirectorio.");
    switch (fallo) {
    case FalloArchivo::Ninguno: return {};
    case FalloArchivo::NoEncontrado:
        return QStringLiteral("Archivo no encontrado en el subdirectorio ...%1Baremario.").arg(QDir::separator()) +
               cola;
    case FalloArchivo::DirectorioNoExiste:
        return QStringLiteral("No existe el subdirectorio ...%1Baremario.").arg(QDir::separator()) + cola;
    default: break;
    }
    return QStringLiteral("Archivo en mal estado.");
}

} // namespace tarvia
