#pragma once

#include <QByteArray>
#include <QByteArrayView>

// A glance at the bytes of an XML document, much quicker than reading it with
// an XML reader: true when its elements certainly nest no deeper than
// maxDepth. False means only "perhaps deeper": a reader must then decide.
//
// The glance follows the markup exactly as a reader would up to the first
// fault of well-formedness, after which a reader stops counting; so it never
// answers true where a reader finds deeper nesting before it stops. It does
// not follow what may declare markup of its own (a document type declaration
// with its entities) nor an encoding other than UTF-8 or ASCII, and answers
// false for them.
bool nestsSurelyWithin(QByteArrayView document, int maxDepth);

// The encoding an XML declaration at the start of the document names (after a
// UTF-8 byte order mark, if any), in lower case; empty when it names none.
// A declaration whose encoding is not quoted to its end gives "?", which
// names no encoding a reader knows.
QByteArray declaredXmlEncoding(QByteArrayView document);
