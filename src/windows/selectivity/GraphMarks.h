// The readings marked on the filter design graphs (the picture Image2): σ1
// of one section at α on the curve of β on graph а), and the transfer
// coefficient Кф of n sections at β on graph б).  Each is computed from the
// theory the graphs are drawn from, not read off the picture, and drawn over
// it at the screen's resolution.
#pragma once

#include <QStringList>
#include <QWidget>

#include <optional>

class QLabel;

namespace velorix {

class GraphMarks : public QWidget {
public:
    // A reading: where on its graph, and its value.
    struct Reading {
        double x, y;
        bool operator==(const Reading &) const = default;
    };

    // Covers the picture box, above its picture; mouse clicks pass through.
    explicit GraphMarks(QLabel *graphs);

    // Marks σ1 at (α, β) on graph а), or nothing (also when the theory
    // gives no finite reading there).
    void setAttenuation(std::optional<double> alpha, double beta);
    // Marks Кф for β and n sections on graph б), or nothing.
    void setTransfer(std::optional<int> sections, double beta);

    // "σ1 по графику а)<Tab>12,34" and "Кф по графику б)<Tab>0,123", for the
    // readings shown, with the decimal separator in use.
    QStringList resultLines() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Replaces a reading; the picture is drawn again only when one changed.
    void set(std::optional<Reading> &reading, std::optional<Reading> value);

    std::optional<Reading> attenuation_; // (α, σ1 in dB)
    std::optional<Reading> transfer_;    // (β, Кф)
};

} // namespace velorix
