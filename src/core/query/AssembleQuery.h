#pragma once

#include "QueryFields.h"

#include <QString>
#include <stdexcept>

namespace tw {

// A query field holds text that cannot go into the expression (a date that
// is not a date). The run that meets it ends idle with this message.
class QueryFieldError : public std::runtime_error
{
public:
    explicit QueryFieldError(const QString& message) : std::runtime_error(message.toStdString()), m_message(message) { }
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// Builds the query expression from the Query tab's fields, each term only
// when its field is filled. The user's text is quoted, never escaped.
QString AssembleQuery(const QueryFields& fields);

// A date typed in the system's short date format, written year, month, day
// with the system's date separator. Throws QueryFieldError for a non-date.
QString queryDate(const QString& typed);
// The subject term for a text with blanks: each single blank separates two
// quoted words.
QString subjectTerm(const QString& subject);

} // namespace tw
