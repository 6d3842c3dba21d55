"""Type stub of gauss_sphere: the reflectance map of a surface on the Gaussian sphere, for labs."""
from typing import Any, Literal, Mapping, Optional, Sequence, Tuple, TypedDict, Union

import numpy as np
import numpy.typing as npt

Number = Union[int, float, str]
ArrayLike = npt.ArrayLike

class Error(ValueError):
    """A failure the program words itself; str() is its message in English."""

class LawParameter(TypedDict):
    name: str
    lowest: float
    highest: float
    start: float

class Law(TypedDict):
    key: str
    name: str
    starter_formula: str
    parameters: list[LawParameter]

class Readout(TypedDict, total=False):
    i: float
    e: float
    g: float
    phi: float
    painted: float
    zone: str
    point: Tuple[float, float, float]
    p: float
    q: float
    line: str

class PhaseCurve(TypedDict):
    g: npt.NDArray[np.float64]
    brightness: npt.NDArray[np.float64]
    phase_integral: float
    csv: str

class Albedos(TypedDict):
    geometric_albedo: float
    phase_integral: float
    spherical_albedo: float

class PhaseFit(TypedDict):
    values: dict[str, float]
    uncertainties: dict[str, float]
    chi_square: float
    degrees_of_freedom: int
    model: npt.NDArray[np.float64]
    residuals: npt.NDArray[np.float64]

class Recovery(TypedDict):
    report: str
    heights: npt.NDArray[np.float64]
    p: npt.NDArray[np.float64]
    q: npt.NDArray[np.float64]
    albedo: npt.NDArray[np.float64]
    images: list[npt.NDArray[np.float64]]
    lights: list[Tuple[float, float]]
    spacing: Tuple[float, float]
    truth: Optional[npt.NDArray[np.float64]]

# The keywords of a view, the renderer's options (see sphere.__doc__):
#   function: str, params: Mapping[str, Number], formula: str, rot_x, rot_y, rot_z, slant: Number,
#   levels, half_widths: Sequence[Number] (7 each), grey, whole_sphere, smooth, plain: bool,
#   exposure: float (0.1 to 10) or "auto", background: "white" | "black" | "grey",
#   outline, source_mark, contour_lines: bool (drawn over the sphere; contour_lines the map too),
#   line_width: int (1 to 4), scale: int (1 to 16), size: Tuple[int, int]

def laws() -> list[Law]:
    """Every reflectance function by key, with its parameters."""

def phi(function: str, i: ArrayLike, e: ArrayLike, g: ArrayLike,
        params: Optional[Mapping[str, Number]] = None,
        formula: Optional[str] = None) -> npt.NDArray[np.float32]:
    """phi(i, e, g) in degrees over broadcast arrays, as a pass stores it (32-bit)."""

def sphere(**view: Any) -> npt.NDArray[np.uint8]:
    """The sphere's picture, (height, width, 3): the renderer's pixels, its marks drawn in."""

def gradient_map(**view: Any) -> npt.NDArray[np.uint8]:
    """The map R(p, q) in gradient space, (height, width, 3): the renderer's pixels."""

def sphere_phi(**view: Any) -> npt.NDArray[np.float32]:
    """phi at each pixel of the sphere's picture; NaN off the sphere."""

def gradient_map_phi(**view: Any) -> npt.NDArray[np.float32]:
    """phi at each pixel of the map; NaN where no orientation is seen."""

def readout(x: int, y: int, gradient_space: bool = False, **view: Any) -> Optional[Readout]:
    """The readout at picture pixel (x, y); None off the sphere or the map."""

def phase_curve(step: float = 1.0, **view: Any) -> PhaseCurve:
    """The disc-integrated phase curve of the view's function."""

def lambert_sphere_phase(g: ArrayLike) -> Any:
    """The Lambert sphere's phase function, g in radians."""

def lommel_seeliger_sphere_phase(g: ArrayLike) -> Any:
    """The Lommel-Seeliger sphere's phase function, g in radians."""

def albedos(albedo: float = 1.0, **view: Any) -> Albedos:
    """The view's law on its physical scale: geometric albedo, phase integral, spherical albedo."""

def hg_phase(g: ArrayLike, G: ArrayLike) -> Any:
    """Phi(g) of the H, G system, g in radians."""

def hg1g2_phase(g: ArrayLike, G1: ArrayLike, G2: ArrayLike) -> Any:
    """Phi(g) of the H, G1, G2 system, g in radians."""

def fit_phase_curve(g: ArrayLike, values: ArrayLike, fit: list[str],
                    sigma: Optional[ArrayLike] = None, magnitudes: bool = False,
                    albedo: float = 1.0, **view: Any) -> PhaseFit:
    """Observed points fitted by the view's law or by H, G or H, G1, G2."""

def surfaces() -> list[dict[str, Any]]:
    """The catalogue of surfaces and their parameters."""

def recover(method: Literal["ps", "ps-law", "ps-robust", "sfs-tsai-shah", "sfs-horn", "sfs-fmm"] = "ps",
            integrator: Literal["fc", "dct", "poisson"] = "dct", *,
            surface: Optional[str] = None, surface_size: Optional[Tuple[int, int]] = None,
            surface_params: Mapping[str, float] = ..., height_scale: float = 1.0,
            lights: Sequence[Tuple[Number, Number]] = ..., noise: float = 0.0,
            quantise: Literal[0, 8, 16] = 0, images: Optional[str] = None,
            **view: Any) -> Recovery:
    """Shape recovery as the renderer's --recover, with its report text."""

class SurfaceImages(TypedDict):
    images: list[npt.NDArray[np.uint8]]
    phi: list[npt.NDArray[np.float32]]
    lights: list[Tuple[float, float]]

def surface_images(*, surface: str, surface_size: Optional[Tuple[int, int]] = None,
                   surface_params: Mapping[str, float] = ..., height_scale: float = 1.0,
                   lights: Sequence[Tuple[Number, Number]] = ..., cast_shadows: bool = False,
                   **view: Any) -> SurfaceImages:
    """A surface's image under each source, the renderer's --surface pixels, and phi per cell."""

class Gradients(TypedDict):
    p: npt.NDArray[np.float64]
    q: npt.NDArray[np.float64]
    albedo: npt.NDArray[np.float64]

class Elevation(TypedDict):
    z: npt.NDArray[np.float64]
    spacing: Tuple[float, float]

class PhotoSet(TypedDict):
    images: list[npt.NDArray[np.float64]]
    lights: list[Tuple[float, float]]

def photometric_stereo(images: Sequence[ArrayLike],
                       lights: Sequence[Tuple[float, float]]) -> Gradients:
    """Woodham's photometric stereo of images under lights (slant, tilt) in degrees."""

def integrate(p: ArrayLike, q: ArrayLike, method: Literal["fc", "dct", "poisson"] = "dct",
              spacing_x: float = 1.0, spacing_y: float = 1.0) -> npt.NDArray[np.float64]:
    """The heights whose slopes best match p and q."""

def elevation(path: str) -> Elevation:
    """An elevation model read as the program reads it."""

def photo_set(folder: str) -> PhotoSet:
    """A folder of photographs and their light directions read as the program reads it."""

def read_setup(path: str) -> dict[str, Any]:
    """A setup file read as the program reads it, as the keywords of a view."""

def write_setup(path: str, **view: Any) -> None:
    """The view written as a setup file, the renderer's --write-setup file; whole or not at all."""

class Profile(TypedDict):
    x: npt.NDArray[np.int32]
    y: npt.NDArray[np.int32]
    distance: npt.NDArray[np.float64]
    phi: npt.NDArray[np.float32]
    painted: npt.NDArray[np.float32]
    csv: str

def profile(x0: int, y0: int, x1: int, y1: int, gradient_space: bool = False,
            **view: Any) -> Profile:
    """phi along a line of the sphere's (or the map's) picture, as the readout reads it."""

def equator_profile(**view: Any) -> Profile:
    """phi along the sphere's photometric equator."""
