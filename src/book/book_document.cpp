#include "book/book_document.h"

#include <QDir>

BookDocument::BookDocument(Book& book_, const QString& folder_, QObject* parent)
    : QObject(parent), book(book_), folder(QDir(folder_).absolutePath()) {}
