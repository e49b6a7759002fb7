// A region built from many small pieces.
#include "board/path/iregionaccumulator.h"

void IRegionAccumulator::add(const QRegion& piece)
{
    if (piece.isEmpty())
        return;
    if (m_chunks.isEmpty() || m_piecesInLastChunk >= kPiecesPerChunk) {
        m_chunks.append(piece);
        m_piecesInLastChunk = 1;
        return;
    }
    m_chunks.last() += piece;
    ++m_piecesInLastChunk;
}

void IRegionAccumulator::clear()
{
    m_chunks.clear();
    m_piecesInLastChunk = 0;
}

QRegion IRegionAccumulator::region() const
{
    // Pairwise, so that every rectangle takes part in a logarithmic number of
    // unions rather than one per chunk.
    QVector<QRegion> level = m_chunks;
    while (level.size() > 1) {
        QVector<QRegion> next;
        next.reserve((level.size() + 1) / 2);
        for (int i = 0; i + 1 < level.size(); i += 2)
            next.append(level.at(i) + level.at(i + 1));
        if (level.size() % 2)
            next.append(level.last());
        level.swap(next);
    }
    return level.isEmpty() ? QRegion() : level.first();
}
