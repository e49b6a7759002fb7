// The page layouts of a PDF export.
#pragma once

// How an export lays pictures out on PDF pages; the number is what the
// export's callers pass.
enum PdfLayout : int {
    PdfActualSizeOnA4 = 0, // each picture at its own size on an A4 page
    PdfFittedOnA4 = 1,     // fitted and centred on an A4 page
    PdfPagePerPicture = 2, // a page the size of each picture
};
