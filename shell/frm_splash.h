#pragma once
// The splash window: product name, version, description and the issuing
// body; it closes after ten seconds or on a click.
#include <QDialog>

class QLabel;

namespace tarvia {

class FrmSplash : public QDialog {
    Q_OBJECT
public:
    explicit FrmSplash(QWidget* padre = nullptr);

    static QString TextoVersion();
    QLabel* lblVersion() const { return version_; }

protected:
    void mousePressEvent(QMouseEvent* ev) override;

private:
    QLabel* version_;
};

} // namespace tarvia
