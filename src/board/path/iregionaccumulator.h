// A region built from many small pieces, such as a long stroke's outline, at
// the same cost for the ten-thousandth piece as for the tenth: uniting each
// piece into one growing QRegion would cost more with every piece.
#pragma once

#include <QRegion>
#include <QVector>

class IRegionAccumulator
{
public:
    void add(const QRegion& piece);
    void clear();
    bool isEmpty() const { return m_chunks.isEmpty(); }
    // The union of every piece added; merged once, when asked for.
    QRegion region() const;

private:
    // Pieces are gathered in small chunks, so each union stays cheap.
    static constexpr int kPiecesPerChunk = 32;

    QVector<QRegion> m_chunks;
    int m_piecesInLastChunk = 0;
};
