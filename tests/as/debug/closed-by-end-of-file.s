; a paragraph closed by the end of its file is not continued by the next label
        .include "inc/empty.inc"
next:   getl 1
        complete
