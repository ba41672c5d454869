; includes the file named as the output
        .include "incl/part.s"
        .text
p:      getl #1
        complete
