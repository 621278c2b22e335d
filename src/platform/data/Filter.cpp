// The in-memory filter language of datasets: a condition evaluated on rows already read.
#include "Filter.h"

#include "DbError.h"

#include <QDate>
#include <QDateTime>
#include <cmath>

struct FilterExpression::Node {
    enum Kind { Or, And, Not, Compare, Field, Literal, Null } kind = Literal;
    QString op;                 // for Compare
    int field = -1;             // for Field
    QVariant value;             // for Literal
    std::unique_ptr<Node> a, b; // operands
};

namespace {

using Node = FilterExpression::Node;

struct Token {
    enum Type { End, Name, Number, String, Op, LParen, RParen } type = End;
    QString text;
};

class Lexer {
public:
    explicit Lexer(const QString& s) : s_(s) { advance(); }
    const Token& peek() const { return tok_; }
    Token take()
    {
        Token t = tok_;
        advance();
        return t;
    }

private:
    void advance()
    {
        const int n = s_.size();
        while (i_ < n && s_[i_].isSpace()) ++i_;
        if (i_ >= n) {
            tok_ = {Token::End, {}};
            return;
        }
        const QChar c = s_[i_];
        if (c == QLatin1Char('(')) {
            ++i_;
            tok_ = {Token::LParen, QStringLiteral("(")};
        } else if (c == QLatin1Char(')')) {
            ++i_;
            tok_ = {Token::RParen, QStringLiteral(")")};
        } else if (c == QLatin1Char('\'')) {
            QString text;
            ++i_;
            bool closed = false;
            while (i_ < n) {
                if (s_[i_] == QLatin1Char('\'')) {
                    if (i_ + 1 < n && s_[i_ + 1] == QLatin1Char('\'')) {
                        text += QLatin1Char('\'');
                        i_ += 2;
                        continue;
                    }
                    ++i_;
                    closed = true;
                    break;
                }
                text += s_[i_++];
            }
            if (!closed) throw DbError(QStringLiteral("Фильтр: не закрыта кавычка: %1").arg(s_));
            tok_ = {Token::String, text};
        } else if (c.isDigit() || (c == QLatin1Char('.') && i_ + 1 < n && s_[i_ + 1].isDigit())
                   || (c == QLatin1Char('-') && i_ + 1 < n && s_[i_ + 1].isDigit() && expectOperand())) {
            const int start = i_++;
            while (i_ < n && (s_[i_].isDigit() || s_[i_] == QLatin1Char('.'))) ++i_;
            tok_ = {Token::Number, s_.mid(start, i_ - start)};
        } else if (c.isLetter() || c == QLatin1Char('_') || c == QLatin1Char('"') || c == QLatin1Char('[')) {
            QString name;
            if (c == QLatin1Char('"') || c == QLatin1Char('[')) {
                const QChar close = c == QLatin1Char('"') ? QLatin1Char('"') : QLatin1Char(']');
                const int end = s_.indexOf(close, i_ + 1);
                if (end < 0) throw DbError(QStringLiteral("Фильтр: не закрыто имя поля: %1").arg(s_));
                name = s_.mid(i_ + 1, end - i_ - 1);
                i_ = end + 1;
            } else {
                const int start = i_;
                while (i_ < n && (s_[i_].isLetterOrNumber() || s_[i_] == QLatin1Char('_') || s_[i_] == QLatin1Char('.'))) ++i_;
                name = s_.mid(start, i_ - start);
            }
            const QString lower = name.toLower();
            if (lower == QLatin1String("and") || lower == QLatin1String("or") || lower == QLatin1String("not")
                || lower == QLatin1String("like"))
                tok_ = {Token::Op, lower};
            else
                tok_ = {Token::Name, name};
        } else {
            static const char* ops[] = {"<>", "!=", "<=", ">=", "=", "<", ">"};
            for (const char* op : ops) {
                const QString o = QString::fromLatin1(op);
                if (s_.mid(i_, o.size()) == o) {
                    i_ += int(o.size());
                    tok_ = {Token::Op, o == QLatin1String("!=") ? QStringLiteral("<>") : o};
                    return;
                }
            }
            throw DbError(QStringLiteral("Фильтр: непонятный знак '%1' в выражении: %2").arg(c).arg(s_));
        }
    }
    bool expectOperand() const
    {
        return tok_.type == Token::End || tok_.type == Token::Op || tok_.type == Token::LParen;
    }

    const QString& s_;
    int i_ = 0;
    Token tok_;
};

class Parser {
public:
    Parser(const QString& text, const QStringList& fields) : text_(text), lex_(text), fields_(fields) {}

    std::unique_ptr<Node> parseAll()
    {
        auto n = parseOr();
        if (lex_.peek().type != Token::End) fail();
        return n;
    }

private:
    [[noreturn]] void fail() const
    {
        throw DbError(QStringLiteral("Фильтр: ошибка в выражении: %1").arg(text_));
    }
    bool atOp(const char* op) const
    {
        return lex_.peek().type == Token::Op && lex_.peek().text == QLatin1String(op);
    }
    static std::unique_ptr<Node> make(Node::Kind k, std::unique_ptr<Node> a = {}, std::unique_ptr<Node> b = {})
    {
        auto n = std::make_unique<Node>();
        n->kind = k;
        n->a = std::move(a);
        n->b = std::move(b);
        return n;
    }
    std::unique_ptr<Node> parseOr()
    {
        auto left = parseAnd();
        while (atOp("or")) {
            lex_.take();
            left = make(Node::Or, std::move(left), parseAnd());
        }
        return left;
    }
    std::unique_ptr<Node> parseAnd()
    {
        auto left = parseNot();
        while (atOp("and")) {
            lex_.take();
            left = make(Node::And, std::move(left), parseNot());
        }
        return left;
    }
    std::unique_ptr<Node> parseNot()
    {
        if (atOp("not")) {
            lex_.take();
            return make(Node::Not, parseNot());
        }
        if (lex_.peek().type == Token::LParen) {
            lex_.take();
            auto inner = parseOr();
            if (lex_.peek().type != Token::RParen) fail();
            lex_.take();
            return maybeCompare(std::move(inner));
        }
        return maybeCompare(parseOperand());
    }
    std::unique_ptr<Node> maybeCompare(std::unique_ptr<Node> left)
    {
        const Token& t = lex_.peek();
        if (t.type == Token::Op && t.text != QLatin1String("and") && t.text != QLatin1String("or")
            && t.text != QLatin1String("not")) {
            const QString op = lex_.take().text;
            auto n = make(Node::Compare, std::move(left), parseOperand());
            n->op = op;
            return n;
        }
        return left;
    }
    std::unique_ptr<Node> parseOperand()
    {
        Token t = lex_.take();
        auto n = std::make_unique<Node>();
        switch (t.type) {
        case Token::Number: {
            bool ok = false;
            const double v = t.text.toDouble(&ok);
            if (!ok) fail();
            n->kind = Node::Literal;
            n->value = v;
            return n;
        }
        case Token::String:
            n->kind = Node::Literal;
            n->value = t.text;
            return n;
        case Token::Name: {
            if (t.text.compare(QLatin1String("null"), Qt::CaseInsensitive) == 0) {
                n->kind = Node::Null;
                return n;
            }
            QString name = t.text;
            const int dot = name.lastIndexOf(QLatin1Char('.'));
            if (dot >= 0) name = name.mid(dot + 1);
            for (int i = 0; i < fields_.size(); ++i) {
                if (fields_[i].compare(name, Qt::CaseInsensitive) == 0) {
                    n->kind = Node::Field;
                    n->field = i;
                    return n;
                }
            }
            throw DbError(QStringLiteral("Фильтр: поле '%1' не найдено").arg(t.text));
        }
        case Token::LParen: {
            auto inner = parseOr();
            if (lex_.peek().type != Token::RParen) fail();
            lex_.take();
            return inner;
        }
        default:
            fail();
        }
    }

    const QString& text_;
    Lexer lex_;
    const QStringList& fields_;
};

bool isNumber(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Double:
    case QMetaType::Bool:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

bool toNumber(const QVariant& v, double& out)
{
    if (isNumber(v)) {
        out = v.toDouble();
        return true;
    }
    bool ok = false;
    QString s = v.toString().trimmed();
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    out = s.toDouble(&ok);
    return ok;
}

bool isDateLike(const QVariant& v)
{
    return v.typeId() == QMetaType::QDate || v.typeId() == QMetaType::QDateTime;
}

QDateTime toDateTime(const QVariant& v)
{
    if (v.typeId() == QMetaType::QDate) return v.toDate().startOfDay();
    if (v.typeId() == QMetaType::QDateTime) return v.toDateTime();
    const QString s = v.toString().trimmed();
    for (const char* f : {"dd.MM.yyyy", "d.M.yyyy", "yyyy-MM-dd"}) {
        const QDate d = QDate::fromString(s, QString::fromLatin1(f));
        if (d.isValid()) return d.startOfDay();
    }
    return {};
}

QString stripRight(const QString& s)
{
    int end = s.size();
    while (end > 0 && s[end - 1] == QLatin1Char(' ')) --end;
    return s.left(end);
}

// Three-way comparison; returns false in ok when either side is null or they cannot be compared.
int compareValues(const QVariant& a, const QVariant& b, bool& ok)
{
    ok = !(a.isNull() || b.isNull());
    if (!ok) return 0;
    if (isDateLike(a) || isDateLike(b)) {
        const QDateTime x = toDateTime(a), y = toDateTime(b);
        ok = x.isValid() && y.isValid();
        return x < y ? -1 : (x > y ? 1 : 0);
    }
    if (isNumber(a) || isNumber(b)) {
        double x = 0, y = 0;
        if (toNumber(a, x) && toNumber(b, y)) return x < y ? -1 : (x > y ? 1 : 0);
    }
    const int c = stripRight(a.toString()).compare(stripRight(b.toString()), Qt::CaseSensitive);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

QVariant evalValue(const Node& n, const QList<QVariant>& row);

bool evalBool(const Node& n, const QList<QVariant>& row)
{
    switch (n.kind) {
    case Node::Or:
        return evalBool(*n.a, row) || evalBool(*n.b, row);
    case Node::And:
        return evalBool(*n.a, row) && evalBool(*n.b, row);
    case Node::Not:
        return !evalBool(*n.a, row);
    case Node::Compare: {
        const QVariant a = evalValue(*n.a, row);
        const QVariant b = evalValue(*n.b, row);
        if (n.op == QLatin1String("like")) {
            if (a.isNull() || b.isNull()) return false;
            return likeMatch(a.toString(), b.toString());
        }
        bool ok = false;
        const int c = compareValues(a, b, ok);
        if (!ok) return false;
        if (n.op == QLatin1String("=")) return c == 0;
        if (n.op == QLatin1String("<>")) return c != 0;
        if (n.op == QLatin1String("<")) return c < 0;
        if (n.op == QLatin1String(">")) return c > 0;
        if (n.op == QLatin1String("<=")) return c <= 0;
        return c >= 0;
    }
    default: {
        const QVariant v = evalValue(n, row);
        double d = 0;
        if (v.typeId() == QMetaType::Bool) return v.toBool();
        return toNumber(v, d) && d != 0;
    }
    }
}

QVariant evalValue(const Node& n, const QList<QVariant>& row)
{
    switch (n.kind) {
    case Node::Field:
        return n.field < row.size() ? row[n.field] : QVariant();
    case Node::Literal:
        return n.value;
    case Node::Null:
        return {};
    default:
        return QVariant(evalBool(n, row));
    }
}

bool likeAt(const QString& t, int ti, const QString& p, int pi)
{
    const int tn = t.size(), pn = p.size();
    while (pi < pn) {
        const QChar c = p[pi];
        if (c == QLatin1Char('%')) {
            while (pi < pn && p[pi] == QLatin1Char('%')) ++pi;
            if (pi == pn) return true;
            for (int k = ti; k <= tn; ++k) {
                if (likeAt(t, k, p, pi)) return true;
            }
            return false;
        }
        if (ti >= tn) return false;
        if (c == QLatin1Char('_')) {
            ++ti;
            ++pi;
            continue;
        }
        QChar lit = c;
        if (c == QLatin1Char('\\') && pi + 1 < pn) lit = p[++pi];
        if (t[ti].toCaseFolded() != lit.toCaseFolded()) return false;
        ++ti;
        ++pi;
    }
    return ti == tn;
}

} // namespace

FilterExpression::~FilterExpression() = default;

std::shared_ptr<const FilterExpression> FilterExpression::compile(const QString& text, const QStringList& fieldNames)
{
    std::shared_ptr<FilterExpression> f(new FilterExpression());
    Parser p(text, fieldNames);
    f->root_ = p.parseAll();
    return f;
}

bool FilterExpression::matches(const QList<QVariant>& row) const
{
    return root_ ? evalBool(*root_, row) : true;
}

bool likeMatch(const QString& text, const QString& pattern)
{
    return likeAt(text, 0, pattern, 0);
}

namespace filtertext {

QString quoted(const QString& text)
{
    QString s = text;
    s.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + s + QLatin1Char('\'');
}

QString likeEscaped(const QString& text)
{
    QString out;
    out.reserve(text.size() + 4);
    for (const QChar c : text) {
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('\\')) out += QLatin1Char('\\');
        out += c;
    }
    return out;
}

QString beginsWith(const QString& field, const QString& typed)
{
    return field + QStringLiteral(" like ") + quoted(likeEscaped(typed) + QLatin1Char('%'));
}

QString contains(const QString& field, const QString& typed)
{
    return field + QStringLiteral(" like ") + quoted(QLatin1Char('%') + likeEscaped(typed) + QLatin1Char('%'));
}

} // namespace filtertext
