; main.s - assembled with -g in two checkouts; with --debug-prefix-map
; both give the same objects, and zv-ld the same images
        .text
main:   getl 1
        complete
        .include "part.inc"
