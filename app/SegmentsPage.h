#pragma once

#include <QWidget>

class QLabel;

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
    PictureBox* cover() const { return m_cover; }

private:
    QLabel* m_lineCaption = nullptr;
    QueryBox* m_segmentBox = nullptr;
    QLabel* m_dotAfterSegment = nullptr;
    QueryBox* m_stepBox = nullptr;
    QLabel* m_dotAfterStep = nullptr;
    PictureButton* m_findButton = nullptr;
    PictureBox* m_cover = nullptr;
};

} // namespace zornalit
