; the included paragraph names its own file and directory
        .text
main:   getl 1
        complete
        .include "inc/part.inc"
after:  getl 2
        complete
