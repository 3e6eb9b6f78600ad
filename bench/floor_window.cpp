// The toolkit's floor for the start-up benchmark: the editor's picture made the plainest way Qt 6
// allows, with no component layer and no description builder: one widget that paints the 33
// rectangles, three QLabels and a read-only QLineEdit, at the editor's place and size. The
// geometry and texts are read from the editor's window description, so both show the same.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpression>
#include <QWidget>

#include <map>
#include <vector>

namespace {

using Properties = std::map<QString, QString>;

// Each object's name and its "Prop = value" lines, nesting ignored: enough for this one file.
std::vector<std::pair<QString, Properties>> ReadObjects(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("floor_window: cannot read %s", qPrintable(path));
    static const QRegularExpression object(R"(^\s*object (\w+):)"), property(R"(^\s*([\w.]+) = (.*)$)");
    std::vector<std::pair<QString, Properties>> objects;
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
        if (auto match = object.match(line); match.hasMatch())
            objects.push_back({match.captured(1), {}});
        else if (auto match = property.match(line); match.hasMatch() && !objects.empty())
            objects.back().second[match.captured(1)] = match.captured(2);
    }
    return objects;
}

QString Text(const QString& quoted) { return quoted.mid(1, quoted.size() - 2).replace("''", "'"); }

QFont FontOf(const Properties& p)
{
    QFont font(p.at("Font.Name") == "'Courier New'" ? "Liberation Mono" : "Liberation Sans");
    font.setPixelSize(-p.at("Font.Height").toInt());
    font.setBold(p.at("Font.Style").contains("fsBold"));
    font.setUnderline(p.at("Font.Style").contains("fsUnderline"));
    return font;
}

class Floor : public QWidget {
public:
    explicit Floor(const std::vector<std::pair<QString, Properties>>& objects)
    {
        for (const auto& [name, p] : objects) {
            if (name.startsWith("Shape"))
                rects_.emplace_back(p.at("Left").toInt(), p.at("Top").toInt(), p.at("Width").toInt(),
                                    p.at("Height").toInt());
            if (name.startsWith("Label")) {
                auto* label = new QLabel(Text(p.at("Caption")), this);
                label->setFont(FontOf(p));
                label->move(p.at("Left").toInt(), p.at("Top").toInt());
            }
            if (name.startsWith("Edit")) {
                auto* edit = new QLineEdit(Text(p.at("Text")), this);
                edit->setReadOnly(true);
                edit->setFont(FontOf(p));
                edit->setGeometry(p.at("Left").toInt(), p.at("Top").toInt(), p.at("Width").toInt(),
                                  p.at("Height").toInt());
            }
        }
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(240, 240, 240));
        for (const QRect& r : rects_) {
            painter.fillRect(r, Qt::black);
            painter.fillRect(r.adjusted(1, 1, -1, -1), Qt::white);
        }
    }

private:
    std::vector<QRect> rects_;
};

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    Floor floor(ReadObjects(MAIN_FORM_DESCRIPTION));
    floor.setWindowTitle("floor");
    floor.setGeometry(192, 107, 795, 321);
    floor.show();
    return application.exec();
}
