// The diesel price table, the revision by dates and a list of services in
// their windows on the offscreen platform: what the haulier types and sees,
// and what ends up on the disk.
#include "../bytes_prueba.h"
#include "../csv_prueba.h"
#include "ayuda_ventanas.h"

#include "core/csv.h"
#include "core/formato.h"
#include "presentacion/analisis.h"
#include "results/ventana_precios_gasoleo.h"
#include "results/ventana_revision.h"
#include "results/ventana_revision_lista.h"

#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>

using namespace tarvia;
using namespace tarvia::prueba;

namespace {

const QString kOficiales = RutaPreciosOficiales(DirectorioPrograma());

QPushButton* BotonDe(QWidget& ventana, const QString& texto)
{
    for (QPushButton* b : ventana.findChildren<QPushButton*>())
        if (b->text() == texto)
            return b;
    return nullptr;
}

void Escribir(const QString& ruta, const QByteArray& bytes)
{
    QFile f(ruta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Each row of the window's month table: month, €/l, origin.
QList<QStringList> Filas(const QTableWidget& t)
{
    QList<QStringList> filas;
    for (int f = 0; f < t.rowCount(); ++f)
        filas << QStringList{t.item(f, 0)->text(), t.item(f, 1)->text(), t.item(f, 2)->text()};
    return filas;
}

int FilaDe(const QTableWidget& t, const QString& mes)
{
    for (int f = 0; f < t.rowCount(); ++f)
        if (t.item(f, 0)->text() == mes)
            return f;
    return -1;
}

} // namespace

// Months added, corrected, removed and imported through the window land in
// the user's file at once; the shipped ones stay; a bad price, a failed save
// or a bad import line is told and changes nothing it should not.
TEST(PreciosGasoleo, VentanaAnadeCorrigeQuitaEImporta)
{
    QTemporaryDir dir;
    const QString suyo = dir.filePath(QStringLiteral("datos/precios_gasoleo.tsv"));
    MensajesCapturados mensajes;
    VentanaPreciosGasoleo ventana(CargarPreciosGasoleo(kOficiales, suyo), MostrarMensaje);
    const int oficiales = ventana.tabla()->rowCount();
    ASSERT_GT(oficiales, 0);
    EXPECT_TRUE(mensajes.lista.empty());
    QPushButton* guardar = BotonDe(ventana, QStringLiteral("Guardar"));
    QPushButton* quitar = BotonDe(ventana, QStringLiteral("Quitar el mes"));
    ASSERT_TRUE(guardar && quitar);

    const auto meses = [&] { return LeerPreciosGasoleo(suyo, PrecioGasoleo::Origen::Usuario).precios; };
    const struct {
        const char* caso;
        QString mes, precio;
        QString error; // start of the message, empty when saved
    } casos[] = {
        {"un mes", QStringLiteral("03/2026"), QStringLiteral("1,6452"), {}},
        {"otro, escrito en letra", QStringLiteral("septiembre de 2025"), QStringLiteral("1,389"), {}},
        {"corregido", QStringLiteral("2026-03"), QStringLiteral("1,6453"), {}},
        {"precio que no es cifra", QStringLiteral("04/2026"), QStringLiteral("uno"), QStringLiteral("«uno»")},
        {"mes que no es mes", QStringLiteral("13/2026"), QStringLiteral("1,5"), QStringLiteral("«13/2026» no es")},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.caso);
        mensajes.lista.clear();
        const SeriePrecios antes = meses();
        ventana.mes()->setText(c.mes);
        ventana.precio()->setText(c.precio);
        guardar->click();
        if (c.error.isEmpty()) {
            EXPECT_TRUE(mensajes.lista.empty()) << mensajes.lista[0].texto.toStdString();
            EXPECT_TRUE(ventana.mes()->text().isEmpty());
            const Mes m = *LeerMes(c.mes);
            ASSERT_TRUE(meses().count(m));
            EXPECT_EQ(TextoPrecio(meses().at(m)), c.precio);
            const int f = FilaDe(*ventana.tabla(), NombreMes(m));
            ASSERT_GE(f, 0);
            EXPECT_EQ(Filas(*ventana.tabla())[f], (QStringList{NombreMes(m), c.precio, QStringLiteral("Suyo")}));
        } else {
            ASSERT_EQ(mensajes.lista.size(), 1u);
            EXPECT_EQ(mensajes.lista[0].titulo, QStringLiteral("Error"));
            EXPECT_TRUE(mensajes.lista[0].texto.contains(c.error)) << mensajes.lista[0].texto.toStdString();
            EXPECT_EQ(meses().size(), antes.size());
            EXPECT_EQ(ventana.precio()->text(), c.precio); // kept, to be corrected
        }
    }
    EXPECT_EQ(ventana.tabla()->rowCount(), oficiales + 2);

    // Typed, with Enter at the end: saved once, nothing said.
    ventana.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ventana));
    mensajes.lista.clear();
    Teclear(ventana.mes(), QStringLiteral("02/2026"));
    Teclear(ventana.precio(), QStringLiteral("1,5"), Qt::Key_Return);
    EXPECT_TRUE(mensajes.lista.empty()) << mensajes.lista[0].texto.toStdString();
    EXPECT_TRUE(meses().count({2026, 2}));
    ventana.hide();

    // A shipped month cannot be removed; one of the user's can.
    ventana.tabla()->selectRow(FilaDe(*ventana.tabla(), QStringLiteral("mayo de 2011")));
    EXPECT_FALSE(quitar->isEnabled());
    EXPECT_EQ(ventana.mes()->text(), QStringLiteral("05/2011")); // in the boxes, to be corrected
    ventana.tabla()->selectRow(FilaDe(*ventana.tabla(), QStringLiteral("septiembre de 2025")));
    ASSERT_TRUE(quitar->isEnabled());
    quitar->click();
    EXPECT_FALSE(meses().count({2025, 9}));
    EXPECT_EQ(FilaDe(*ventana.tabla(), QStringLiteral("septiembre de 2025")), -1);

    // An import: the good lines in, the bad ones named by line and field.
    const QString csv = dir.filePath(QStringLiteral("precios.csv"));
    Escribir(csv, "\xEF\xBB\xBFMes;Precio\r\n2026-01;1,441\r\nfebrero 2026;1,500\r\n2026-13;1,2\r\n2026-04;caro\r\n");
    mensajes.lista.clear();
    EXPECT_TRUE(ventana.Importar(csv));
    ASSERT_EQ(mensajes.lista.size(), 1u);
    const QString dicho = mensajes.lista[0].texto;
    EXPECT_TRUE(dicho.startsWith(QStringLiteral("Se han importado 2 meses"))) << dicho.toStdString();
    EXPECT_TRUE(dicho.contains(QStringLiteral("línea 4, mes: "))) << dicho.toStdString();
    EXPECT_TRUE(dicho.contains(QStringLiteral("línea 5, precio: "))) << dicho.toStdString();
    EXPECT_TRUE(meses().count({2026, 1}) && meses().count({2026, 2}));

    // The folder cannot be written: told, and the window and the file keep what they had.
    const QByteArray enDisco = Contenido(suyo);
    TablaGasoleo tabla = ventana.Precios();
    tabla.rutaUsuario = dir.filePath(QStringLiteral("precios.csv/precios_gasoleo.tsv")); // under a file
    VentanaPreciosGasoleo sinCarpeta(tabla, MostrarMensaje);
    const int filas = sinCarpeta.tabla()->rowCount();
    mensajes.lista.clear();
    sinCarpeta.mes()->setText(QStringLiteral("05/2026"));
    sinCarpeta.precio()->setText(QStringLiteral("1,55"));
    EXPECT_FALSE(sinCarpeta.GuardarMes());
    ASSERT_EQ(mensajes.lista.size(), 1u);
    EXPECT_EQ(mensajes.lista[0].titulo, QStringLiteral("Error"));
    EXPECT_EQ(sinCarpeta.tabla()->rowCount(), filas);
    EXPECT_FALSE(sinCarpeta.Precios().usuario.count({2026, 5}));
    EXPECT_EQ(sinCarpeta.precio()->text(), QStringLiteral("1,55"));
    EXPECT_EQ(Contenido(suyo), enDisco);
}

// A damaged file of the user's is said on opening, and kept as a copy when
// the next month is saved.
TEST(PreciosGasoleo, FicheroDanadoSeAvisaYSeCopia)
{
    QTemporaryDir dir;
    const QString suyo = dir.filePath(QStringLiteral("precios_gasoleo.tsv"));
    const QByteArray danado = "2026-03\t1,645\nesto no es un mes\n";
    Escribir(suyo, danado);
    MensajesCapturados mensajes;
    VentanaPreciosGasoleo ventana(CargarPreciosGasoleo(kOficiales, suyo), MostrarMensaje);
    ASSERT_EQ(mensajes.lista.size(), 1u);
    EXPECT_TRUE(mensajes.lista[0].texto.contains(QDir::toNativeSeparators(suyo)))
        << mensajes.lista[0].texto.toStdString();
    EXPECT_EQ(FilaDe(*ventana.tabla(), QStringLiteral("marzo de 2026")), -1); // none of its months is used
    ventana.mes()->setText(QStringLiteral("04/2026"));
    ventana.precio()->setText(QStringLiteral("1,62"));
    ASSERT_TRUE(ventana.GuardarMes());
    ASSERT_EQ(mensajes.lista.size(), 2u);
    const QStringList copias = QDir(dir.path()).entryList({QStringLiteral("precios_gasoleo.tsv.danado-*")});
    ASSERT_EQ(copias.size(), 1);
    EXPECT_EQ(Contenido(dir.filePath(copias[0])), danado);
    EXPECT_TRUE(mensajes.lista[1].texto.contains(copias[0])) << mensajes.lista[1].texto.toStdString();
    EXPECT_TRUE(LeerPreciosGasoleo(suyo, PrecioGasoleo::Origen::Usuario).precios.count({2026, 4}));
}

// By dates the window looks both prices up (all their decimals count), says
// which months it used, and with a month missing says which and shows no
// figures; by hand it is as it always was.
TEST(PreciosGasoleo, RevisionPorFechasEnLaVentana)
{
    Documento doc;
    CargarReferencia(doc); // 44.000 kg: index 0,30
    QTemporaryDir dir;
    const QString suyo = dir.filePath(QStringLiteral("precios_gasoleo.tsv"));
    Escribir(suyo, "2025-09\t1,389\n2026-03\t1,6452\n");
    const TablaGasoleo precios = CargarPreciosGasoleo(kOficiales, suyo);
    QSettings ajustes(dir.filePath(QStringLiteral("ajustes.ini")), QSettings::IniFormat);
    VentanaRevision ventana(doc, IndicesPorDefecto(), precios, ajustes);
    EXPECT_TRUE(ventana.PorFechas()); // the table by default
    auto* servicio = ventana.findChildren<QDoubleSpinBox*>()[2];

    ventana.FijarFechas(1260, QDate(2025, 9, 15), QDate(2026, 3, 10));
    ASSERT_TRUE(ventana.HayResultado()) << ventana.Explicacion().toStdString();
    const Revision esperada =
        RevisarConElCalculo(doc, IndicesPorDefecto(), 1260, 1.389, 1.6452, 5, false, QDate(2025, 9, 15));
    // With 1,645 G would be 18,43 % and ΔP 69,66 €: the fourth decimal is used.
    EXPECT_DOUBLE_EQ(ventana.Resultado().precioRevisado, esperada.precioRevisado);
    EXPECT_EQ(ventana.Explicacion().left(33), QStringLiteral("El precio sube 69,70 € (5,53 %): "));
    EXPECT_EQ(servicio->text(), QStringLiteral("1,6452"));
    EXPECT_TRUE(servicio->isReadOnly());
    EXPECT_EQ(ventana.Meses(), QStringLiteral("Precios medios del gasóleo: al contratar, el de septiembre de 2025 "
                                              "(sus precios); al transportar, el de marzo de 2026 (sus precios)."));
    ventana.Guardar();
    EXPECT_EQ(ventana.historial()->count(), 1);

    // A month the table lacks: said, with where to add it, and nothing to keep or print.
    const struct {
        const char* caso;
        QDate contrato, servicio;
        QString mensaje;
    } faltan[] = {
        {"el del transporte", QDate(2025, 9, 15), QDate(2026, 4, 2),
         QStringLiteral("Falta el precio de abril de 2026: añádalo en Análisis → Precios oficiales del gasóleo…")},
        {"los dos", QDate(2025, 8, 1), QDate(2026, 4, 2),
         QStringLiteral("Faltan los precios de agosto de 2025 y de abril de 2026: añádalos en Análisis → Precios "
                        "oficiales del gasóleo…")},
    };
    for (const auto& f : faltan) {
        SCOPED_TRACE(f.caso);
        ventana.FijarFechas(1260, f.contrato, f.servicio);
        EXPECT_FALSE(ventana.HayResultado());
        EXPECT_EQ(ventana.Explicacion(), f.mensaje);
        EXPECT_EQ(ventana.findChild<QLabel*>(QStringLiteral("lblExplicacion"))->text(), f.mensaje);
        ventana.Guardar();
        EXPECT_EQ(ventana.historial()->count(), 1);
        const Informe inf = ventana.InformeActual();
        ASSERT_EQ(inf.bloques.size(), 1u);
        EXPECT_EQ(std::get<ParrafoInforme>(inf.bloques[0]).texto, f.mensaje);
    }

    // By hand again: the boxes are the user's, no months are named.
    ventana.FijarDatos(1260, 1.40, 1.54);
    EXPECT_FALSE(ventana.PorFechas());
    EXPECT_FALSE(servicio->isReadOnly());
    EXPECT_TRUE(ventana.Meses().isEmpty());
    EXPECT_EQ(ventana.Explicacion().left(33), QStringLiteral("El precio sube 37,80 € (3,00 %): "));
}

// A month of invoices pasted in the window: the good rows revised, the totals
// theirs, the bad lines named; the CSV is tarvia-calc's with a byte-order
// mark; an imported file gives the same.
TEST(PreciosGasoleo, ListaDeServiciosEnLaVentana)
{
    Documento doc;
    CargarReferencia(doc);
    QTemporaryDir dir;
    const QString suyo = dir.filePath(QStringLiteral("precios_gasoleo.tsv"));
    Escribir(suyo, "2025-09\t1,389\n2026-02\t1,5\n2026-03\t1,6452\n");
    const TablaGasoleo precios = CargarPreciosGasoleo(kOficiales, suyo);
    QSettings ajustes(dir.filePath(QStringLiteral("ajustes.ini")), QSettings::IniFormat);
    VentanaRevision revision(doc, IndicesPorDefecto(), precios, ajustes);
    EXPECT_NE(BotonDe(revision, QStringLiteral("Revisar una lista…")), nullptr);

    const QString lista = QStringLiteral("Referencia;Contrato;Servicio;Precio\n"
                                         "A-1;15/09/2025;10/03/2026;1250,00\n"
                                         "A-2;15/09/2025;12/03/2026;980\n"
                                         "A-3;15/09/2025;32/03/2026;900\n"
                                         "A-4;15/09/2025;10/04/2026;900\n"
                                         "A-5;15/09/2025;20/02/2026;1.100,50;3500\n");
    VentanaRevisionLista ventana(doc, IndicesPorDefecto(), precios, false, MostrarMensaje);
    ventana.lista()->setPlainText(lista);
    BotonDe(ventana, QStringLiteral("Revisar"))->click();
    const RevisionDeLista& r = ventana.Resultado();
    ASSERT_EQ(ventana.tabla()->rowCount(), 3);
    // The rows add up to the totals shown: agreed, change, revised.
    const double totales[] = {r.totalPactado, r.totalIncremento, r.totalRevisado};
    for (int c = 0; c < 3; ++c) {
        double suma = 0;
        for (int f = 0; f < 3; ++f)
            suma += ventana.tabla()->item(f, 9 + c)->data(Qt::UserRole + 1).toDouble();
        EXPECT_NEAR(suma, totales[c], 0.005) << c;
    }
    EXPECT_DOUBLE_EQ(r.totalPactado, 3330.5);
    EXPECT_EQ(ventana.tabla()->item(0, 4)->text(), QStringLiteral("09/2025 → 03/2026"));
    EXPECT_EQ(ventana.tabla()->item(0, 6)->text(), QStringLiteral("1,6452"));
    const Localizacion& loc = doc.calculo.Local;
    EXPECT_EQ(ventana.Totales(),
              QStringLiteral("3 servicios revisados: pactado %1 €, variación %2 €, revisado %3 €. 2 líneas no "
                             "revisadas.")
                  .arg(FormatearNumero(3330.5, 2, loc), FormatearNumero(r.totalIncremento, 2, loc),
                       FormatearNumero(r.totalRevisado, 2, loc)));
    ASSERT_EQ(ventana.errores()->count(), 2);
    EXPECT_TRUE(ventana.errores()->item(0)->text().startsWith(QStringLiteral("línea 4, fecha de servicio: «32/03")));
    EXPECT_TRUE(ventana.errores()->item(1)->text().startsWith(QStringLiteral("línea 5, fecha de servicio: Falta")));

    const QString csv = dir.filePath(QStringLiteral("lista.csv"));
    ASSERT_EQ(ventana.ExportarCsv(csv), FalloArchivo::Ninguno);
    EXPECT_EQ(Contenido(csv), BytesCsv(RevisionDeListaCsv(r), true));
    const auto leidas = LeerFilasCsv(QString::fromUtf8(Contenido(csv).mid(3)));
    ASSERT_TRUE(leidas);
    ASSERT_EQ(leidas->size(), 5); // the header, three services, the total
    EXPECT_EQ(leidas->back().value(0), QStringLiteral("Total"));
    EXPECT_EQ(leidas->back().value(3), QStringLiteral("3330,50"));

    // The same list from a file written by a spreadsheet: same rows.
    const QString fichero = dir.filePath(QStringLiteral("servicios.csv"));
    Escribir(fichero, "\xEF\xBB\xBF" + QString(lista).replace(u'\n', QStringLiteral("\r\n")).toUtf8());
    VentanaRevisionLista importada(doc, IndicesPorDefecto(), precios, false, MostrarMensaje);
    ASSERT_TRUE(importada.Importar(fichero));
    EXPECT_EQ(RevisionDeListaCsv(importada.Resultado()), RevisionDeListaCsv(r));
    // A folder is not a list: told, and the list shown stays.
    MensajesCapturados mensajes;
    EXPECT_FALSE(importada.Importar(dir.path()));
    ASSERT_EQ(mensajes.lista.size(), 1u);
    EXPECT_EQ(mensajes.lista[0].titulo, QStringLiteral("Error"));
    EXPECT_EQ(importada.tabla()->rowCount(), 3);
}
