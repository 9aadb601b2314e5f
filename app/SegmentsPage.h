#pragma once

#include <QWidget>

namespace zornalit {

class PictureBox;
class PictureButton;
class QueryBox;

// The tab the window opens on: the lookup line and the cover below it.
class SegmentsPage : public QWidget {
public:
    explicit SegmentsPage(QWidget* parent = nullptr);

    QueryBox* segmentBox() const { return m_segmentBox; }
    QueryBox* stepBox() const { return m_stepBox; }
    PictureButton* findButton() const { return m_findButton; }
    // The cover's picture is a file in the program folder.
    static inline const QString coverFile = QStringLiteral("Обложка.bmp");
    PictureBox* cover() const { return m_cover; }

private:
    QueryBox* m_segmentBox = nullptr;
    QueryBox* m_stepBox = nullptr;
    PictureButton* m_findButton = nullptr;
    PictureBox* m_cover = nullptr;
};

} // namespace zornalit
