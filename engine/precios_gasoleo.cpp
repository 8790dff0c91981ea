#include "engine/precios_gasoleo.h"

#include "core/archivo.h"
#include "core/archivo_seguro.h"
#include "core/csv.h"
#include "core/lectura.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace tarvia {

namespace {

const char* const kMeses[] = {"enero", "febrero", "marzo",      "abril",   "mayo",      "junio",
                              "julio", "agosto",  "septiembre", "octubre", "noviembre", "diciembre"};

// A table of a few hundred months; anything larger is not one.
constexpr qint64 kTopePrecios = 256 * 1024;
// An imported CSV may carry other columns and notes.
constexpr qint64 kTopeImportacion = 4 * 1024 * 1024;

QString SinAcentos(QString t)
{
    t = t.normalized(QString::NormalizationForm_D);
    t.remove(QRegularExpression(QStringLiteral("\\p{Mn}")));
    return t.toLower();
}

std::optional<int> MesPorNombre(const QString& nombre)
{
    const QString n = SinAcentos(nombre);
    if (n == u"setiembre")
        return 9;
    for (int k = 0; k < 12; ++k) {
        const QString completo = QString::fromLatin1(kMeses[k]);
        if (n == completo || (n.size() == 3 && completo.startsWith(n)))
            return k + 1;
    }
    return std::nullopt;
}

QString Cabecera()
{
    return QStringLiteral("# Precios medios mensuales del gasóleo de automoción (€/l, impuestos incluidos) que\n"
                          "# usted ha añadido o corregido en TARVIA. Una línea por mes: AAAA-MM, tabulador, precio.\n"
                          "# Estos meses mandan sobre los de la tabla que acompaña al programa.\n");
}

} // namespace

bool MesValido(Mes m)
{
    return m.anio >= kPrimerAnioPrecios && m.anio <= kUltimoAnioPrecios && m.mes >= 1 && m.mes <= 12;
}

QString NombreMes(Mes m)
{
    return MesValido(m) ? QStringLiteral("%1 de %2").arg(QString::fromLatin1(kMeses[m.mes - 1])).arg(m.anio)
                        : QStringLiteral("%1/%2").arg(m.mes).arg(m.anio);
}

QString ClaveMes(Mes m)
{
    return QStringLiteral("%1-%2").arg(m.anio, 4, 10, QLatin1Char('0')).arg(m.mes, 2, 10, QLatin1Char('0'));
}

std::optional<Mes> LeerMes(const QString& texto)
{
    const QString t = texto.trimmed();
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{1,2})$"));
    static const QRegularExpression barra(QStringLiteral("^(\\d{1,2})/(\\d{4})$"));
    static const QRegularExpression nombre(QStringLiteral("^(\\p{L}+)(?:\\s+de\\s+|\\s+|-|/)(\\d{4})$"),
                                           QRegularExpression::CaseInsensitiveOption);
    Mes m;
    if (const auto x = iso.match(t); x.hasMatch()) {
        m = {x.captured(1).toInt(), x.captured(2).toInt()};
    } else if (const auto y = barra.match(t); y.hasMatch()) {
        m = {y.captured(2).toInt(), y.captured(1).toInt()};
    } else if (const auto z = nombre.match(t); z.hasMatch()) {
        const auto n = MesPorNombre(z.captured(1));
        if (!n)
            return std::nullopt;
        m = {z.captured(2).toInt(), *n};
    } else {
        return std::nullopt;
    }
    return MesValido(m) ? std::optional<Mes>(m) : std::nullopt;
}

std::optional<QDate> LeerFechaEscrita(const QString& texto)
{
    const QString t = texto.trimmed();
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    static const QRegularExpression es(QStringLiteral("^(\\d{1,2})/(\\d{1,2})/(\\d{4})$"));
    QDate d;
    if (const auto x = iso.match(t); x.hasMatch())
        d = QDate(x.captured(1).toInt(), x.captured(2).toInt(), x.captured(3).toInt());
    else if (const auto y = es.match(t); y.hasMatch())
        d = QDate(y.captured(3).toInt(), y.captured(2).toInt(), y.captured(1).toInt());
    return d.isValid() ? std::optional<QDate>(d) : std::nullopt;
}

LecturaPrecio LeerPrecioGasoleo(const QString& texto)
{
    const QString t = texto.trimmed();
    static const QRegularExpression cifra(QStringLiteral("^(\\d+)(?:[.,](\\d+))?$"));
    const auto m = cifra.match(t);
    if (!m.hasMatch())
        return {std::nullopt, QStringLiteral("«%1» no es un precio en euros por litro (por ejemplo 1,459).").arg(t)};
    const int decimales = static_cast<int>(m.captured(2).size());
    if (decimales > kDecimalesMaximosGasoleo)
        return {std::nullopt, QStringLiteral("«%1» tiene más de %2 decimales: escriba el precio como se publica.")
                                  .arg(t)
                                  .arg(kDecimalesMaximosGasoleo)};
    QString punto = t;
    const double x = punto.replace(u',', u'.').toDouble();
    if (!(x > 0))
        return {std::nullopt, QStringLiteral("El precio del gasóleo debe ser mayor que 0: «%1».").arg(t)};
    if (x > kGasoleoMaximo)
        return {std::nullopt, QStringLiteral("«%1» es más de 10 €/l: escriba el precio en euros por litro, no en "
                                             "céntimos (por ejemplo 1,459).")
                                  .arg(t)};
    return {PrecioGasoleo{x, decimales, PrecioGasoleo::Origen::Usuario}, {}};
}

QString TextoPrecio(const PrecioGasoleo& p) { return QString::number(p.euros, 'f', p.decimales).replace(u'.', u','); }

LecturaPrecios LeerPreciosGasoleo(const QString& ruta, PrecioGasoleo::Origen origen)
{
    LecturaPrecios r;
    const QString sujeto =
        origen == PrecioGasoleo::Origen::Usuario
            ? QStringLiteral("el fichero de sus precios del gasóleo %1").arg(QDir::toNativeSeparators(ruta))
            : QStringLiteral("la tabla de precios oficiales del gasóleo");
    const Lectura lectura = LeerFicheroAcotado(ruta, kTopePrecios);
    if (lectura.fallo == FalloLectura::NoEncontrado || lectura.fallo == FalloLectura::DirectorioNoExiste)
        return r;
    const auto danado = [&](const QString& motivo) {
        r.precios.clear();
        r.danado = true;
        r.aviso = motivo + QStringLiteral(" No se usa ninguno de sus meses");
        r.aviso += origen == PrecioGasoleo::Origen::Usuario
                       ? QStringLiteral("; el fichero no se toca, y antes de guardar otros meses se hace una copia.")
                       : QStringLiteral(".");
        return r;
    };
    if (lectura.fallo != FalloLectura::Ninguno)
        return danado(MensajeLectura(lectura.fallo, sujeto, kTopePrecios));
    const auto mal = [&](int numero) {
        QString s = sujeto;
        s[0] = s[0].toUpper();
        return danado(QStringLiteral("%1 está en mal estado (línea %2).").arg(s).arg(numero));
    };
    for (const auto& [numero, c] : LineasDeDatos(lectura.bytes)) {
        static const QRegularExpression clave(QStringLiteral("^\\d{4}-\\d{2}$"));
        const auto mes = c.value(0).contains(clave) ? LeerMes(c.value(0)) : std::nullopt;
        const LecturaPrecio p = LeerPrecioGasoleo(c.value(1));
        if (c.size() != 2 || !mes || !p.precio || r.precios.count(*mes))
            return mal(numero);
        PrecioGasoleo precio = *p.precio;
        precio.origen = origen;
        r.precios[*mes] = precio;
    }
    return r;
}

std::optional<PrecioGasoleo> TablaGasoleo::Precio(Mes m) const
{
    if (const auto u = usuario.find(m); u != usuario.end())
        return u->second;
    if (const auto o = oficiales.find(m); o != oficiales.end())
        return o->second;
    return std::nullopt;
}

SeriePrecios TablaGasoleo::Todos() const
{
    SeriePrecios todos = oficiales;
    for (const auto& [mes, precio] : usuario)
        todos[mes] = precio;
    return todos;
}

TablaGasoleo CargarPreciosGasoleo(const QString& rutaOficial, const QString& rutaUsuario)
{
    TablaGasoleo t;
    t.rutaUsuario = rutaUsuario;
    LecturaPrecios oficial = LeerPreciosGasoleo(rutaOficial, PrecioGasoleo::Origen::Oficial);
    if (oficial.aviso.isEmpty() && !QFileInfo::exists(rutaOficial))
        oficial.aviso = QStringLiteral("No se encuentra la tabla de precios oficiales del gasóleo que acompaña al "
                                       "programa: sólo se usan los meses que usted haya añadido.");
    if (!oficial.aviso.isEmpty())
        t.avisos << oficial.aviso;
    t.oficiales = std::move(oficial.precios);
    LecturaPrecios usuario = LeerPreciosGasoleo(rutaUsuario, PrecioGasoleo::Origen::Usuario);
    if (!usuario.aviso.isEmpty())
        t.avisos << usuario.aviso;
    t.usuario = std::move(usuario.precios);
    return t;
}

QString RutaPreciosOficiales(const QString& datos)
{
    return QDir(datos).filePath(QStringLiteral("Baremario/precios_gasoleo.tsv"));
}

QString RutaPreciosDelUsuario()
{
    // ~/.local/share/TARVIA: the same for the program and tarvia-calc, whatever each is called.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/TARVIA/precios_gasoleo.tsv");
}

QString FijarPrecio(TablaGasoleo& tabla, Mes m, const QString& texto)
{
    if (!MesValido(m))
        return QStringLiteral("El mes debe estar entre %1 y %2.").arg(kPrimerAnioPrecios).arg(kUltimoAnioPrecios);
    const LecturaPrecio p = LeerPrecioGasoleo(texto);
    if (!p.precio)
        return p.motivo;
    tabla.usuario[m] = *p.precio;
    return {};
}

void QuitarPrecio(TablaGasoleo& tabla, Mes m) { tabla.usuario.erase(m); }

GuardadoPrecios GuardarPreciosDelUsuario(const TablaGasoleo& tabla, const QDateTime& ahora)
{
    GuardadoPrecios g;
    const QString& ruta = tabla.rutaUsuario;
    const auto fallo = [&](FalloArchivo f, const QString& mensaje) {
        g.fallo = f;
        g.mensaje = mensaje;
        return g;
    };
    if (!QDir().mkpath(QFileInfo(ruta).absolutePath()))
        return fallo(FalloArchivo::DirectorioNoExiste,
                     QStringLiteral("No se puede crear la carpeta %1 para guardar sus precios del gasóleo.")
                         .arg(QDir::toNativeSeparators(QFileInfo(ruta).absolutePath())));
    // A damaged file is the user's work: a copy before it is replaced.
    const QFileInfo actual(ruta);
    if (actual.isFile() && LeerPreciosGasoleo(ruta, PrecioGasoleo::Origen::Usuario).danado) {
        g.copiaDelDanado = ruta + QStringLiteral(".danado-") + ahora.toString(QStringLiteral("yyyyMMdd-hhmmss"));
        if (!QFile::copy(ruta, g.copiaDelDanado)) {
            const QString copia = g.copiaDelDanado;
            g.copiaDelDanado.clear();
            return fallo(FalloArchivo::MalEstado,
                         QStringLiteral("El fichero de sus precios del gasóleo está en mal estado y no se ha podido "
                                        "copiar a %1: no se ha guardado nada, para no perderlo.")
                             .arg(QDir::toNativeSeparators(copia)));
        }
    }
    QString texto = Cabecera();
    for (const auto& [mes, precio] : tabla.usuario)
        texto += ClaveMes(mes) + u'\t' + TextoPrecio(precio) + u'\n';
    const QByteArray bytes = texto.toUtf8();
    ArchivoSeguro archivo(ruta);
    FalloArchivo f = archivo.Abrir();
    if (f == FalloArchivo::Ninguno)
        f = archivo.write(bytes) == bytes.size() ? archivo.Confirmar() : archivo.Abandonar();
    if (f != FalloArchivo::Ninguno)
        return fallo(f, MensajeEscritura(f, ruta));
    return g;
}

ImportacionPrecios ImportarPreciosCsv(const QByteArray& bytes)
{
    ImportacionPrecios r;
    bool primera = true;
    for (const auto& [numero, linea] : LineasCsv(bytes)) {
        if (linea.trimmed().startsWith(u'#'))
            continue;
        const QChar separador = linea.contains(u';') ? u';' : linea.contains(u'\t') ? u'\t' : u',';
        const QStringList campos = LeerFilaCsv(linea, separador);
        const auto mes = LeerMes(campos.value(0));
        static const QRegularExpression cifra(QStringLiteral("\\d"));
        const bool cabecera = primera && !mes && !campos.value(0).contains(cifra);
        primera = false;
        if (cabecera)
            continue;
        if (campos.size() < 2) {
            r.errores.push_back({numero, QStringLiteral("línea"),
                                 QStringLiteral("falta el precio: se espera MES;PRECIO, por ejemplo 2026-03;1,645")});
            continue;
        }
        if (separador == u',' && campos.size() > 2) {
            r.errores.push_back({numero, QStringLiteral("línea"),
                                 QStringLiteral("con «,» entre los campos, el precio se escribe con punto decimal "
                                                "(2026-03,1.645) o se separa con «;» (2026-03;1,645)")});
            continue;
        }
        if (!mes) {
            r.errores.push_back(
                {numero, QStringLiteral("mes"),
                 QStringLiteral("«%1» no es un mes (2026-03, 03/2026 o marzo de 2026)").arg(campos.value(0))});
            continue;
        }
        const LecturaPrecio p = LeerPrecioGasoleo(campos.value(1));
        if (!p.precio) {
            r.errores.push_back({numero, QStringLiteral("precio"), p.motivo});
            continue;
        }
        if (r.precios.count(*mes)) {
            r.errores.push_back({numero, QStringLiteral("mes"),
                                 QStringLiteral("%1 ya está en una línea anterior").arg(NombreMes(*mes))});
            continue;
        }
        r.precios[*mes] = *p.precio;
    }
    return r;
}

ImportacionPrecios ImportarPreciosCsvDe(const QString& ruta)
{
    const Lectura l = LeerFicheroAcotado(ruta, kTopeImportacion);
    if (l.fallo != FalloLectura::Ninguno) {
        ImportacionPrecios r;
        r.errores.push_back({0, QStringLiteral("fichero"),
                             MensajeLectura(l.fallo, QStringLiteral("el fichero que importa"), kTopeImportacion)});
        return r;
    }
    return ImportarPreciosCsv(l.bytes);
}

int AplicarImportacion(TablaGasoleo& tabla, const ImportacionPrecios& importacion)
{
    for (const auto& [mes, precio] : importacion.precios)
        tabla.usuario[mes] = precio;
    return static_cast<int>(importacion.precios.size());
}

PreciosPorFechas BuscarPrecios(const TablaGasoleo& tabla, QDate contrato, QDate servicio)
{
    PreciosPorFechas p;
    p.mesContrato = Mes::De(contrato);
    p.mesServicio = Mes::De(servicio);
    p.contrato = tabla.Precio(p.mesContrato);
    p.servicio = tabla.Precio(p.mesServicio);
    if (!p.contrato)
        p.faltan.push_back(p.mesContrato);
    if (!p.servicio && p.mesServicio != p.mesContrato)
        p.faltan.push_back(p.mesServicio);
    if (p.faltan.size() == 1)
        p.mensaje = QStringLiteral("Falta el precio medio del gasóleo de %1: añádalo en «Precios oficiales del "
                                   "gasóleo…» con la cifra publicada.")
                        .arg(NombreMes(p.faltan.front()));
    else if (p.faltan.size() == 2)
        p.mensaje = QStringLiteral("Faltan los precios medios del gasóleo de %1 y de %2: añádalos en «Precios "
                                   "oficiales del gasóleo…» con las cifras publicadas.")
                        .arg(NombreMes(p.faltan[0]), NombreMes(p.faltan[1]));
    return p;
}

} // namespace tarvia
