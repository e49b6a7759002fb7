// The table of figure kinds.
#include "board/item/figure/ifigurecatalog.h"

#include "board/item/figure/iballfigureelement.h"
#include "board/item/figure/icirclefigureelement.h"
#include "board/item/figure/iconefigureelement.h"
#include "board/item/figure/icubefigureelement.h"
#include "board/item/figure/icylinderfigureelement.h"
#include "board/item/figure/idihedralfigureelement.h"
#include "board/item/figure/iellipsefigureelement.h"
#include "board/item/figure/ifigurekind.h"
#include "board/item/figure/ihemispherefigureelement.h"
#include "board/item/figure/iisoscelestrianglefigureelement.h"
#include "board/item/figure/ilinefigureelement.h"
#include "board/item/figure/iparallelquadrilateralfigureelement.h"
#include "board/item/figure/irectanglefigureelement.h"
#include "board/item/figure/istarfigureelement.h"
#include "board/item/figure/itriangularpyramidfigureelement.h"
#include "board/item/figure/iverticspolygonfigureelement.h"
#include "board/item/figure/iwavelinefigureelement.h"

IFigureElement* IFigureCatalog::create(int kind)
{
    using namespace IFigureKind;
    switch (kind) {
    case Line:
    case DashLine:
    case DotLine:
    case DashDotDotLine:
    case EndArrowLine:
    case EndDotLine:
    case DoubleArrowLine:
    case DoubleDotLine:
    case StartArrowLine:
    case StartDotLine:
        return new ILineFigureElement(kind);
    case Circle:
        return new ICircleFigureElement;
    case Ellipse:
        return new IEllipseFigureElement;
    case Rectangle:
        return new IRectangleFigureElement;
    case Parallelogram:
        return new IParallelQuadrilateralFigureElement;
    case IsoscelesTriangle:
        return new IIsoscelesTriangleFigureElement;
    case RegularTriangle:
        return new IVerticsPolygonFigureElement(kind, 3);
    case Pentagon:
        return new IVerticsPolygonFigureElement(kind, 5);
    case Hexagon:
        return new IVerticsPolygonFigureElement(kind, 6);
    case Octagon:
        return new IVerticsPolygonFigureElement(kind, 8);
    case Star:
        return new IStarFigureElement;
    case Cube:
        return new ICubeFigureElement;
    case Cone:
        return new IConeFigureElement;
    case Cylinder:
        return new ICylinderFigureElement;
    case Dihedral:
        return new IDihedralFigureElement;
    case Hemisphere:
        return new IHemisphereFigureElement;
    case TriangularPyramid:
        return new ITriangularPyramidFigureElement;
    case Ball:
        return new IBallFigureElement;
    case WaveLine:
        return new IWaveLineFigureElement;
    default:
        return nullptr;
    }
}

QString IFigureCatalog::cursorFile(int kind)
{
    using namespace IFigureKind;
    const char* name = nullptr;
    switch (kind) {
    case Line:
    case EndDotLine:
    case DoubleDotLine:
    case StartDotLine:
    case WaveLine:
        name = "fe_line_line";
        break;
    case DashLine:
    case DotLine:
    case DashDotDotLine:
        name = "fe_line_dashline";
        break;
    case EndArrowLine:
    case StartArrowLine:
        name = "fe_line_startarrowline";
        break;
    case DoubleArrowLine:
        name = "fe_line_doublearrowline";
        break;
    case Circle:
    case Ellipse:
        name = "fe_2d_circl";
        break;
    case Rectangle:
        name = "fe_2d_rectangle";
        break;
    case Parallelogram:
        name = "fe_2d_parallelquadrilateral";
        break;
    // The regular triangle shares the triangle's picture: without one the
    // previous tool's cursor would stay up and mislead.
    case IsoscelesTriangle:
    case RegularTriangle:
        name = "fe_2d_tri";
        break;
    case Pentagon:
        name = "fe_2d_pentagon";
        break;
    case Hexagon:
        name = "fe_2d_hexagon";
        break;
    case Octagon:
        name = "fe_2d_octagon";
        break;
    case Star:
        name = "fe_2d_star";
        break;
    case Cube:
        name = "fe_3d_cube";
        break;
    case Cone:
        name = "fe_3d_cone";
        break;
    case Cylinder:
        name = "fe_3d_cylinder";
        break;
    case Dihedral:
        name = "fe_3d_dihedral";
        break;
    case Hemisphere:
        name = "fe_3d_hemispheres";
        break;
    case TriangularPyramid:
        name = "fe_3d_triangularpyramid";
        break;
    case Ball:
        name = "fe_3d_ball";
        break;
    default:
        return QString();
    }
    return QStringLiteral(":/cursors/cursors/%1.png").arg(QLatin1String(name));
}
