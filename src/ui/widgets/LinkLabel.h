#pragma once

#include <QColor>
#include <QLabel>
#include <functional>
#include <string>

namespace velkarn {

// A text label that behaves like a link: underlined in a highlight color with a hand cursor
// while the mouse is over it; a click opens a web page or starts an e-mail.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    enum AddressType { Mail, Web };

    explicit LinkLabel(const QString& caption = {}, QWidget* parent = nullptr);

    std::string address; // web address, or mail address without "mailto:"
    AddressType addressType = Web;
    QColor hoverColor = QColor(255, 0, 0);

    // What a click hands to the desktop: the web address, or "mailto:" and the address.
    std::string target() const;

    // Opens addresses; the desktop's default program unless a test replaces it.
    std::function<bool(const std::string&)> opener;

    // Applied by the mouse events; public so that keyboard users and tests can use them.
    void mouseEntered();
    void mouseLeft();
    void activate();

signals:
    void hoverStarted(LinkLabel* sender);
    void hoverEnded(LinkLabel* sender);
    void activated(LinkLabel* sender);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void setUnderline(bool on);
    void setTextColor(const QColor& color);

    QColor savedColor_;
};

} // namespace velkarn
