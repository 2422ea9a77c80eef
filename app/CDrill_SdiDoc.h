#pragma once
// The frame's document object, which holds no data.

#include <QObject>

// The document of the single-document frame. It holds no data: phrase files are handled by
// the file utilities.
class CDrill_SdiDoc : public QObject {
    Q_OBJECT
public:
    explicit CDrill_SdiDoc(QObject* parent = nullptr) : QObject(parent) { setObjectName("Document"); }
};
