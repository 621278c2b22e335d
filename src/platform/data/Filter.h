// The in-memory filter language of datasets: a condition evaluated on rows already read.
//
//   expression := term { "or" term }      term := factor { "and" factor }
//   factor     := "not" factor | "(" expression ")" | operand [ op operand ]
//   op         := = <> != < > <= >= like
//   operand    := field name | number | 'quoted text' (a quote inside is doubled) | null
//
// "like" matches case-insensitively: % is any run, _ one character, \ takes the next one literally.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>

class FilterExpression {
public:
    struct Node;

    // Compiles the text against the dataset's field names; throws DbError on a malformed text or an
    // unknown field.
    static std::shared_ptr<const FilterExpression> compile(const QString& text, const QStringList& fieldNames);

    bool matches(const QList<QVariant>& row) const;

    ~FilterExpression();

private:
    FilterExpression() = default;
    std::unique_ptr<Node> root_;
};

// Patterns for typed search text: quotes, %, _ and \ in the text are matched literally.
namespace filtertext {
QString quoted(const QString& text);       // 'text' with quotes doubled
QString likeEscaped(const QString& text);  // text with % _ \ escaped for like
QString beginsWith(const QString& field, const QString& typed); // field like 'typed%'
QString contains(const QString& field, const QString& typed);   // field like '%typed%'
} // namespace filtertext

// True when text matches a like pattern (case-insensitive, % _ and \ escapes).
bool likeMatch(const QString& text, const QString& pattern);
