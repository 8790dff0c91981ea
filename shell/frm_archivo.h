#pragma once
// The calculation file dialog: drive, directory and file lists with the
// "*.trv" filter, in mode "abrir" (open) or "grabar" (save as).
#include "presentacion/documento.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace tarvia {

class FrmArchivo : public QDialog {
    Q_OBJECT
public:
    enum class Modo { Abrir, Grabar };

    // Opens in `calculos` when given and there, else in the Cálculos folder
    // of the program's directory, else in the program's directory. To save,
    // it opens in `ultima` (the folder of the last calculation opened or
    // saved) or else that calculations folder, either only while it can be
    // written and holds no reference data; else in the home folder.
    FrmArchivo(Documento& doc, Modo modo, const QString& directorioPrograma, QWidget* dueno = nullptr,
               const QString& calculos = {}, const QString& ultima = {});

    Modo modo() const { return modo_; }
    const QString& Directorio() const { return directorio_; }
    // Shows a directory in the directory list and its "*.trv" files.
    void MostrarDirectorio(const QString& ruta);
    // "Aceptar".
    void Aceptar();

    QComboBox* Drive1() const { return unidades_; }
    QListWidget* Dir1() const { return directorios_; }
    QListWidget* File1() const { return archivos_; }
    QLineEdit* TextArchivo() const { return nombre_; }
    QLabel* lblArchivo() const { return extension_; }

protected:
    void showEvent(QShowEvent* ev) override;

private:
    void CambiarUnidad(int fila);
    void AlElegirDirectorio(QListWidgetItem* item);
    void AplicarModo();

    Documento& doc_;
    Modo modo_;
    QString directorio_;
    QComboBox* unidades_;
    QListWidget* directorios_;
    QListWidget* archivos_;
    QLineEdit* nombre_;
    QLabel* extension_;
};

} // namespace tarvia
