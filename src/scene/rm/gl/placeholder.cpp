// OpenGL backend.
