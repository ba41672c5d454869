; the same sources with -g in two directories: once both directories are
; mapped to one name the objects are the same byte for byte
        .text
main:   getl 1
        complete
        .include "part.inc"
